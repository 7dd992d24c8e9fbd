#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <vector>

// Moments as the planner shows them: on the site's clock, daylight saving
// included, with the zone's abbreviation ("19:40 CET").

// A moment, Julian Day (UT), as a QDateTime.
QDateTime momentOf(double julianDay);

// A moment on `zone`'s clock in a QDateTime format, the zone's abbreviation
// after it.
QString clockText(double julianDay, const QTimeZone& zone, const QString& format);

// The zone's abbreviation at a moment ("CET", "CEST").
QString zoneAbbreviation(const QTimeZone& zone, const QDateTime& at);

// A whole hour of a clock within a span: when (Julian Day, UT) and what the
// clock reads ("02:00"; the first with the zone's abbreviation).
struct ClockTick {
    double julianDay;
    QString label;
};
// Every `every`th whole hour of `zone`'s clock from `start` to `end`
// (Julian Days, UT). Where the clock goes back, an hour it shows twice is
// ticked twice; where it goes forward, the hour skipped is not.
std::vector<ClockTick> wholeHours(double start, double end, const QTimeZone& zone, int every);
