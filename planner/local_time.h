#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

// Moments as the planner shows them: on the site's clock, daylight saving
// included, with the zone's abbreviation ("19:40 CET").

// A moment, Julian Day (UT), as a QDateTime.
QDateTime momentOf(double julianDay);

// A moment on `zone`'s clock in a QDateTime format, the zone's abbreviation
// after it.
QString clockText(double julianDay, const QTimeZone& zone, const QString& format);

// The zone's abbreviation at a moment ("CET", "CEST").
QString zoneAbbreviation(const QTimeZone& zone, const QDateTime& at);
