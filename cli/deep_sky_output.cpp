#include "deep_sky_output.h"

#include "records.h"
#include "writers.h"

#include <ostream>

namespace velmora::cli {

void writeRigRanking(std::ostream& out, const std::vector<planning::RigFraming>& rigs, Style style)
{
    const auto table = rowWriter(out, style,
        {"telescope", "camera", "field_width_arcmin", "field_height_arcmin", "fits", "fill", "best_angle_deg",
            "mosaic_columns", "mosaic_rows", "mosaic_frames"});
    for (const planning::RigFraming& rig : rigs)
        table->row(rigFramingRecord(rig.telescope->name, rig.camera->name, rig.framing));
    table->finish();
}

void writeSuggestions(
    std::ostream& out, const std::vector<planning::Suggestion>& suggestions, bool tonight, bool exposure, Style style)
{
    if (suggestions.empty() && style.format == Format::Text) {
        out << "No object of the catalogue fits this rig with the fill, kind and magnitude asked for"
            << (tonight ? ", with the hours asked for tonight.\n" : ".\n");
        return;
    }
    std::vector<std::string_view> columns = {
        "target", "type", "magnitude", "major_axis_arcmin", "minor_axis_arcmin", "fill", "best_angle_deg"};
    if (tonight)
        columns.insert(columns.end(), {"usable_hours", "transit_utc", "transit_altitude_deg", "moon_separation_deg"});
    if (exposure)
        columns.insert(columns.end(), {"surface_brightness", "hours_needed"});
    const auto table = rowWriter(out, style, columns);
    for (const planning::Suggestion& suggestion : suggestions)
        table->row(suggestionRecord(suggestion, exposure));
    if (suggestions.empty()) { // scripts still get the columns
        sky::DeepSkyObject none {};
        none.type = sky::findDeepSkyType("G");
        planning::Suggestion shape {{&none, {}, {}, {}, std::nullopt}, std::nullopt, std::nullopt};
        if (tonight)
            shape.tonight = planning::Tonight::Glance {};
        table->header(suggestionRecord(shape, exposure));
    }
    table->finish();
}

} // namespace velmora::cli
