#include "output.h"

#include <ostream>

namespace velmora::cli {

void writeComputation(std::ostream& out, const Computation& computation, Format format)
{
    switch (format) {
    case Format::Text:
        return writeText(out, computation);
    case Format::Json:
        return writeJson(out, computation);
    case Format::Csv: // the bodies, when they were asked for, are the table
        return writeTable(out,
            computation.sky ? skyTable(*computation.sky)
                            : std::vector<std::vector<Column>> {flatRow(computation, computation.sampling.has_value())},
            format);
    }
}

void writeSweep(std::ostream& out, const std::vector<Computation>& rows, bool withSampling, Format format)
{
    if (format == Format::Text)
        return writeTextSweep(out, rows, withSampling);
    std::vector<std::vector<Column>> table;
    table.reserve(rows.size());
    for (const Computation& row : rows)
        table.push_back(flatRow(row, withSampling));
    writeTable(out, table, format);
}

void writeTelescopes(std::ostream& out, const std::vector<TelescopeEntry>& telescopes, Format format)
{
    std::vector<std::vector<Column>> table;
    for (const TelescopeEntry& t : telescopes)
        table.push_back({{"name", t.name}, {"aperture_mm", t.aperture}, {"focal_length_mm", t.focalLength}});
    format == Format::Text ? writeTextTable(out, table) : writeTable(out, table, format);
}

void writeCameras(std::ostream& out, const std::vector<CameraEntry>& cameras, Format format)
{
    std::vector<std::vector<Column>> table;
    for (const CameraEntry& c : cameras)
        table.push_back({{"name", c.name}, {"pixel_um", c.pixelSize}, {"width_px", c.width}, {"height_px", c.height}});
    format == Format::Text ? writeTextTable(out, table) : writeTable(out, table, format);
}

} // namespace velmora::cli
