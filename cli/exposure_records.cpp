#include "records.h"

#include "formats/readable_number.h"

namespace velmora::cli {

namespace {

std::string brightnessFrom(char magnitudeBand)
{
    return magnitudeBand ? std::string(1, magnitudeBand) + " magnitude over the outline" : std::string("given");
}

// What the figures rest on that was not given, said beside them.
std::string exposureNotes(const planning::ExposureFigures& e, bool targetAsked)
{
    std::vector<std::string> notes;
    if (e.sqmAssumed)
        notes.push_back("the sky's brightness assumed, SQM " + formats::readableNumber(e.sqm) + ": give --sqm");
    if (!e.readNoise)
        notes.push_back("no read noise, so no sub length and the hours are the sky-limited ones: give --read-noise "
                        "or --read-noise-file");
    else if (!e.sub)
        notes.push_back("no read noise to bury: any sub length is sky-limited");
    if (e.readModes > 1)
        notes.push_back("the camera file holds " + std::to_string(e.readModes) + " read modes; the first is read");
    if (e.otherPixel)
        notes.push_back("the camera file's pixel, " + formats::readableNumber(*e.otherPixel) +
            " um, is not the rig's: is it the same camera?");
    if (e.sub && e.longestSub && *e.sub < *e.shortestSub)
        notes.push_back("the sky fills a quarter of the well before the read noise is buried: the sub is the well's");
    if (targetAsked && !e.target)
        notes.push_back("the target's magnitude or size is unknown: give --surface-brightness");
    std::string text;
    for (const std::string& note : notes)
        text += (text.empty() ? "" : "; ") + note;
    return text;
}

} // namespace

void appendTargetExposure(Record& into, const planning::TargetExposure* t)
{
    const auto figure = [t](auto member) { return t ? numberOrEmpty(t->*member) : Value(); };
    into.push_back({"surface_brightness", "Target's surface brightness", "mag/arcsec2",
        t ? Value(t->surfaceBrightness) : Value()});
    into.push_back(
        {"surface_brightness_from", "Brightness from", "", t ? Value(brightnessFrom(t->magnitudeBand)) : Value()});
    into.push_back({"target_rate", "Target", "e-/px/s", t ? Value(t->signalRate) : Value()});
    into.push_back({"snr_per_sub", "Signal-to-noise a sub", "", figure(&planning::TargetExposure::snrPerSub)});
    into.push_back({"subs_needed", "Subs needed", "", figure(&planning::TargetExposure::subs)});
    into.push_back({"hours_needed", "Hours needed", "h", figure(&planning::TargetExposure::hours)});
    into.push_back({"snr_tonight", "Signal-to-noise tonight", "", figure(&planning::TargetExposure::snrTonight)});
}

Record exposureRecord(const planning::ExposureFigures& e, bool targetAsked)
{
    const std::string notes = exposureNotes(e, targetAsked);
    Record record = {
        {"sqm", "Sky brightness", "mag/arcsec2", e.sqm},
        {"sqm_assumed", "Sky brightness assumed", "", e.sqmAssumed},
        {"band_width_nm", "Band width", "nm", e.bandWidth},
        {"quantum_efficiency", "Quantum efficiency", "", e.quantumEfficiency},
        {"transmission", "Transmission", "", e.transmission},
        {"colour_sensor", "Colour sensor", "", e.colour},
        {"obstruction_mm", "Obstruction", "mm", e.obstruction},
        {"pixel_area_arcsec2", "A pixel sees", "arcsec2", e.pixelArea},
        {"sky_rate", "Sky", "e-/px/s", e.skyRate},
        {"read_noise_e", "Read noise", "e-", numberOrEmpty(e.readNoise)},
        {"gain", "At gain", "", numberOrEmpty(e.gain)},
        {"shortest_sub_s", "Shortest sub", "s", numberOrEmpty(e.shortestSub)},
        {"longest_sub_s", "Longest sub", "s", numberOrEmpty(e.longestSub)},
        {"sub_s", "Sub", "s", numberOrEmpty(e.sub)},
        {"snr_goal", "Signal-to-noise asked", "", e.snrGoal},
    };
    appendTargetExposure(record, e.target ? &*e.target : nullptr);
    record.push_back({"exposure_notes", "Notes", "", notes.empty() ? Value() : Value(notes)});
    return record;
}

} // namespace velmora::cli
