#include "deep_sky_output.h"

#include "records.h"
#include "writers.h"

#include <ostream>

namespace velmora::cli {

void writeRigRanking(std::ostream& out, const std::vector<planning::RigFraming>& rigs, Format format)
{
    const auto table = rowWriter(out, format,
        {"telescope", "camera", "field_width_arcmin", "field_height_arcmin", "fits", "fill", "best_angle_deg",
            "mosaic_columns", "mosaic_rows", "mosaic_frames"});
    for (const planning::RigFraming& rig : rigs)
        table->row(rigFramingRecord(rig.telescope->name, rig.camera->name, rig.framing));
    table->finish();
}

void writeSuggestions(std::ostream& out, const std::vector<sky::TargetFraming>& framings, Format format)
{
    if (framings.empty() && format == Format::Text) {
        out << "No object of the catalogue fits this rig with the fill, kind and magnitude asked for.\n";
        return;
    }
    const auto table = rowWriter(out, format,
        {"target", "type", "magnitude", "major_axis_arcmin", "minor_axis_arcmin", "fill", "best_angle_deg"});
    for (const sky::TargetFraming& framing : framings)
        table->row(targetRecord(framing));
    if (framings.empty()) { // scripts still get the columns
        sky::DeepSkyObject none {};
        none.type = sky::findDeepSkyType("G");
        table->header(targetRecord({&none, {}, {}, {}, std::nullopt}));
    }
    table->finish();
}

} // namespace velmora::cli
