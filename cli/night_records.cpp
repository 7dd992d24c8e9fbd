#include "records.h"

#include "formats/readable_number.h"
#include "sky/sexagesimal.h"

namespace velmora::cli {

namespace {

// What the night leaves out, in words: a twilight that never ends, a night
// that never grows light.
std::string nightNotes(const planning::NightFigures& n)
{
    std::string notes;
    for (const sky::DarknessLevel& level : sky::kDarknessLevels) {
        const sky::DarkEdges& edges = n.twilight.at(level.darkness);
        const std::string what =
            level.darkness == sky::Darkness::Sunset ? std::string("the Sun") : std::string(level.name) + " twilight";
        if (edges.neverDark)
            notes += (notes.empty() ? "" : "; ") + what +
                (level.darkness == sky::Darkness::Sunset ? " never sets" : " never ends");
        else if (!edges.evening && !edges.morning)
            notes += (notes.empty() ? "" : "; ") +
                (level.darkness == sky::Darkness::Sunset
                        ? std::string("the Sun never rises")
                        : "the Sun stays below " + formats::readableNumber(level.sunAltitude) + " deg all day");
    }
    return notes;
}

void appendUsable(Record& into, const sky::UsableTime& time, std::string_view hours, std::string_view start,
    std::string_view end, std::string_view label)
{
    into.push_back({hours, label, "h", time.hours});
    into.push_back({start, "Longest from", "UTC", time.longest ? Value(UtcTime {time.longest->start}) : Value()});
    into.push_back({end, "Longest until", "UTC", time.longest ? Value(UtcTime {time.longest->end}) : Value()});
}

void appendTonight(Record& into, const sky::TargetNight& hours)
{
    appendUsable(into, hours.usable, "usable_hours", "usable_start_utc", "usable_end_utc", "Usable tonight");
    appendUsable(into, hours.ignoringMoon, "usable_hours_ignoring_moon", "usable_start_ignoring_moon_utc",
        "usable_end_ignoring_moon_utc", "Usable ignoring the Moon");
}

} // namespace

Record nightRecord(const planning::NightFigures& n)
{
    const auto edges = [&n](sky::Darkness darkness) { return n.twilight.at(darkness); };
    const std::string notes = nightNotes(n);
    Record record = {
        {"sunset_utc", "Sunset", "UTC", timeOrEmpty(edges(sky::Darkness::Sunset).evening)},
        {"civil_dusk_utc", "Civil twilight ends", "UTC", timeOrEmpty(edges(sky::Darkness::Civil).evening)},
        {"nautical_dusk_utc", "Nautical twilight ends", "UTC", timeOrEmpty(edges(sky::Darkness::Nautical).evening)},
        {"astronomical_dusk_utc", "Astronomical twilight ends", "UTC",
            timeOrEmpty(edges(sky::Darkness::Astronomical).evening)},
        {"astronomical_dawn_utc", "Astronomical twilight begins", "UTC",
            timeOrEmpty(edges(sky::Darkness::Astronomical).morning)},
        {"nautical_dawn_utc", "Nautical twilight begins", "UTC", timeOrEmpty(edges(sky::Darkness::Nautical).morning)},
        {"civil_dawn_utc", "Civil twilight begins", "UTC", timeOrEmpty(edges(sky::Darkness::Civil).morning)},
        {"sunrise_utc", "Sunrise", "UTC", timeOrEmpty(edges(sky::Darkness::Sunset).morning)},
        {"twilight", "Dark means", "", std::string(sky::levelOf(n.darkness).name)},
        {"dark_start_utc", "Dark from", "UTC", n.dark ? Value(UtcTime {n.dark->start}) : Value()},
        {"dark_end_utc", "Dark until", "UTC", n.dark ? Value(UtcTime {n.dark->end}) : Value()},
        {"dark_hours", "Dark", "h", n.dark ? n.dark->days() * 24 : 0.0},
        {"moon_altitude_deg", "Moon's altitude", "deg", n.moonAltitude},
        {"moon_illuminated", "Moon lit", "", n.moonIlluminated},
        {"days_from_full_moon", "From the full Moon", "days", n.daysFromFullMoon},
        {"moon_avoidance_deg", "Avoid the Moon by", "deg", n.moonAvoidance},
    };
    appendUsable(
        record, n.moonDown, "moonless_dark_hours", "moonless_start_utc", "moonless_end_utc", "Dark without the Moon");
    record.push_back({"night_notes", "Notes", "", notes.empty() ? Value() : Value(notes)});
    return record;
}

Record targetSiteRecord(const planning::TargetTonight& tonight)
{
    Record record = siteViewRecord(tonight.view);
    record.push_back({"moon_separation_deg", "From the Moon", "deg", tonight.moonSeparation});
    appendTonight(record, tonight.hours);
    return record;
}

Record tileRecord(const sky::MosaicTile& tile, double cameraAngle)
{
    return {
        {"tile_column", "Column", "", static_cast<std::int64_t>(tile.column)},
        {"tile_row", "Row", "", static_cast<std::int64_t>(tile.row)},
        {"tile_ra", "RA (J2000)", "", sky::rightAscensionText(tile.rightAscension)},
        {"tile_dec", "Dec (J2000)", "", sky::declinationText(tile.declination)},
        {"tile_ra_deg", "RA", "deg", tile.rightAscension},
        {"tile_dec_deg", "Dec", "deg", tile.declination},
        {"tile_camera_angle_deg", "Camera angle", "deg", cameraAngle},
    };
}

Record suggestionRecord(const planning::Suggestion& s, bool withExposure)
{
    Record record = targetRecord(s.framing);
    if (s.tonight) {
        appendTonight(record, s.tonight->hours);
        record.push_back({"transit_utc", "Transit", "UTC", UtcTime {s.tonight->transit}});
        record.push_back({"transit_altitude_deg", "At transit", "deg", s.tonight->transitAltitude});
        record.push_back({"moon_separation_deg", "From the Moon", "deg", s.tonight->moonSeparation});
    }
    if (withExposure)
        appendTargetExposure(record, s.exposure ? &*s.exposure : nullptr);
    return record;
}

} // namespace velmora::cli
