#include "output.h"

#include <array>
#include <charconv>

namespace velmora::cli {

std::string exactNumber(double value)
{
    std::array<char, 32> buffer {};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

std::vector<Column> flatRow(const Computation& computation, bool withSampling)
{
    const OpticalTrain& train = computation.train;
    std::vector<Column> row = {
        {"telescope", computation.telescope},
        {"camera", computation.camera},
        {"aperture_mm", train.aperture},
        {"focal_length_mm", train.focalLength},
        {"pixel_um", train.pixelSize},
        {"width_px", train.width},
        {"height_px", train.height},
        {"barlow", train.barlow},
        {"binning", double(train.binning)},
    };
    for (const Quantity& quantity : kQuantities)
        row.push_back({quantity.id, {}});
    for (const Result& result : computation.outcome.results)
        row[9 + static_cast<std::size_t>(result.quantity - kQuantities.data())].value = result.value;
    if (withSampling) {
        const auto& sampling = computation.sampling;
        row.push_back({"seeing_arcsec", sampling ? Cell(sampling->seeing) : Cell()});
        row.push_back({"pixels_per_fwhm", sampling ? Cell(sampling->pixelsPerFwhm) : Cell()});
        row.push_back({"verdict", sampling ? Cell(std::string(verdictText(sampling->verdict))) : Cell()});
    }
    return row;
}

std::vector<std::vector<Column>> skyTable(const SkyView& sky)
{
    std::vector<std::vector<Column>> table;
    for (const BodyView& b : sky.bodies) {
        table.push_back({{"date", sky.date.text}, {"body", std::string(b.facts->name)}, {"distance_km", b.distanceKm},
            {"apparent_diameter_arcsec", b.apparentDiameterArcsec}, {"km_per_pixel", b.kmPerPixel},
            {"disk_px", b.diskPixels}, {"fits_sensor", std::string(b.fitsSensor ? "true" : "false")},
            {"mosaic_frames", double(b.mosaicColumns * b.mosaicRows)},
            {"illuminated_fraction", b.illuminatedFraction},
            {"max_capture_s", b.maxCaptureSeconds ? Cell(*b.maxCaptureSeconds) : Cell()}});
    }
    return table;
}

} // namespace velmora::cli
