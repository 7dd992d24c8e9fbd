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

QString clockText(double julianDay, const QTimeZone& zone, const QString& format)
{
    const QDateTime at = momentOf(julianDay).toTimeZone(zone);
    return at.toString(format) + QLatin1Char(' ') + zoneAbbreviation(zone, at);
}
