#include "local_time.h"

#include <cmath>

namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kMillisecondsPerDay = 86400000;

} // namespace

QDateTime momentOf(double julianDay)
{
    const auto ms = static_cast<qint64>(std::llround((julianDay - kUnixEpochJulianDay) * kMillisecondsPerDay));
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
}

QString zoneAbbreviation(const QTimeZone& zone, const QDateTime& at)
{
    // Zones without a name of their own give their offset ("+03"); UTC is UTC.
    return zone == QTimeZone::utc() ? QStringLiteral("UTC") : zone.abbreviation(at);
}

std::vector<ClockTick> wholeHours(double start, double end, const QTimeZone& zone, int every)
{
    // Whole hours of UTC are whole hours of every zone but those a fraction
    // of an hour off it; stepping in UTC keeps a repeated hour and skips a
    // missing one, as the clock itself does.
    constexpr qint64 kHour = 3600;
    const QDateTime first = momentOf(start);
    const qint64 offset = zone.offsetFromUtc(first) % kHour; // a zone's minutes past the UTC hour
    qint64 seconds = first.toSecsSinceEpoch();
    seconds += ((-(seconds + offset) % kHour) + kHour) % kHour; // up to the clock's next whole hour
    std::vector<ClockTick> ticks;
    for (QDateTime at = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()); at <= momentOf(end);
         at = at.addSecs(kHour * every)) {
        const QDateTime there = at.toTimeZone(zone);
        QString label = there.toString(QStringLiteral("HH:mm"));
        if (ticks.empty())
            label += QLatin1Char(' ') + zoneAbbreviation(zone, there);
        ticks.push_back({kUnixEpochJulianDay + double(at.toSecsSinceEpoch()) / 86400, label});
    }
    return ticks;
}

QString clockText(double julianDay, const QTimeZone& zone, const QString& format)
{
    const QDateTime at = momentOf(julianDay).toTimeZone(zone);
    return at.toString(format) + QLatin1Char(' ') + zoneAbbreviation(zone, at);
}
