// Output for people: aligned columns.
#include "output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <ostream>

namespace velmora::cli {

namespace {

// A figure for reading, to `digits` significant digits.
std::string rounded(double value, int digits = 4)
{
    std::array<char, 32> buffer {};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits).ptr;
    return std::string(buffer.data(), end);
}

// A figure with a fixed number of decimals, for quantities read as whole
// kilometres or seconds.
std::string fixed(double value, int decimals)
{
    std::array<char, 48> buffer {};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals).ptr;
    return std::string(buffer.data(), end);
}

void writeAligned(std::ostream& out, const std::vector<std::vector<std::string>>& lines)
{
    std::vector<std::size_t> widths;
    for (const auto& line : lines) {
        widths.resize(std::max(widths.size(), line.size()));
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    }
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            text += line[i];
            if (i + 1 < line.size())
                text += std::string(widths[i] - line[i].size() + 2, ' ');
        }
        while (text.ends_with(' '))
            text.pop_back();
        out << text << '\n';
    }
}

void writeTrain(std::ostream& out, const Computation& computation)
{
    const OpticalTrain& t = computation.train;
    if (!computation.telescope.empty() || !computation.camera.empty())
        out << "Equipment: " << computation.telescope << (computation.camera.empty() ? "" : " with ")
            << computation.camera << '\n';
    out << "Telescope: " << rounded(t.aperture, 15) << " mm aperture, " << rounded(t.focalLength, 15)
        << " mm focal length";
    if (t.barlow != 1)
        out << ", barlow " << rounded(t.barlow, 15) << " gives " << rounded(t.effectiveFocalLength(), 15) << " mm";
    out << '\n'
        << "Camera:    " << rounded(t.pixelSize, 15) << " um pixels, " << rounded(t.width, 15) << " x "
        << rounded(t.height, 15) << " px";
    if (t.binning != 1)
        out << ", binning " << t.binning << " gives " << rounded(t.effectivePixelSize(), 15) << " um, "
            << rounded(t.effectiveWidth(), 15) << " x " << rounded(t.effectiveHeight(), 15) << " px";
    out << "\n\n";
}

void writeSampling(std::ostream& out, const SamplingAdvice& a)
{
    out << "\nSampling (rule " << a.rule->id << ": " << a.rule->statement << ")\n";
    std::string barlows = rounded(a.fewestBarlow, 3) + (std::isfinite(a.mostBarlow) ? " to " + rounded(a.mostBarlow, 3)
                                                                                     : " or more");
    std::string binnings;
    for (const int binning : a.goodBinnings)
        binnings += (binnings.empty() ? "" : ", ") + std::to_string(binning);
    writeAligned(out,
        {
            {"  Seeing (FWHM)", rounded(a.seeing), "arcsec"},
            {"  Pixel field", rounded(a.pixelField), "arcsec"},
            {"  Pixels across the FWHM", rounded(a.pixelsPerFwhm, 3), std::string(verdictText(a.verdict))},
            {"  Barlow or reducer for the window", barlows, "at the current binning"},
            {"  Binnings 1 to 4 in the window", binnings.empty() ? "none" : binnings, "with the current train"},
            {"  Critical focal ratio at " + rounded(a.wavelength) + " nm", "f/" + rounded(a.criticalFocalRatio, 3),
                "f = 2 p / lambda"},
            {"  Barlow to reach it", rounded(a.barlowForCriticalRatio, 3), "on the bare tube"},
        });
}

void writeSky(std::ostream& out, const SkyView& sky)
{
    out << "\nBodies on " << sky.date.text << "\n";
    std::vector<std::vector<std::string>> lines = {{"  Body", "Distance (km)", "Diameter (\")", "km/px", "Disk (px)",
        "Framing", "Lit", "Longest capture"}};
    for (const BodyView& b : sky.bodies) {
        const std::string framing = b.fitsSensor ? "fits"
                                                  : "mosaic " + std::to_string(b.mosaicColumns) + " x " +
                std::to_string(b.mosaicRows);
        lines.push_back({"  " + std::string(b.facts->name), fixed(b.distanceKm, 0), rounded(b.apparentDiameterArcsec),
            rounded(b.kmPerPixel), rounded(b.diskPixels), framing, rounded(b.illuminatedFraction * 100, 3) + "%",
            b.maxCaptureSeconds ? fixed(*b.maxCaptureSeconds, 0) + " s" : ""});
    }
    writeAligned(out, lines);
}

} // namespace

void writeText(std::ostream& out, const Computation& computation)
{
    writeTrain(out, computation);
    std::vector<std::vector<std::string>> lines;
    for (const Result& result : computation.outcome.results) {
        const Quantity& q = *result.quantity;
        const bool body = q.id.starts_with("km_per_pixel");
        lines.push_back({std::string(body ? "km per pixel, " : "") + std::string(q.englishName), result.text,
            std::string(q.unit)});
    }
    writeAligned(out, lines);
    if (computation.sampling)
        writeSampling(out, *computation.sampling);
    if (computation.sky)
        writeSky(out, *computation.sky);
}

void writeTextSweep(std::ostream& out, const std::vector<Computation>& rows, bool withSampling)
{
    std::vector<std::vector<std::string>> lines = {
        {"Telescope", "Camera", "f/", "Pixel field (\")", "Field (')", withSampling ? "Sampling" : ""}};
    const auto text = [](const Computation& row, std::string_view id) {
        for (const Result& result : row.outcome.results) {
            if (result.quantity->id == id)
                return rounded(result.value);
        }
        return std::string("-");
    };
    for (const Computation& row : rows) {
        lines.push_back({row.telescope, row.camera, text(row, "focal_ratio"), text(row, "pixel_field"),
            text(row, "sensor_field_width") + " x " + text(row, "sensor_field_height"),
            row.sampling ? std::string(verdictText(row.sampling->verdict)) : ""});
    }
    writeAligned(out, lines);
}

void writeTextTable(std::ostream& out, const std::vector<std::vector<Column>>& rows)
{
    std::vector<std::vector<std::string>> lines;
    for (const auto& row : rows) {
        if (lines.empty()) {
            lines.emplace_back();
            for (const Column& column : row)
                lines.back().emplace_back(column.name);
        }
        lines.emplace_back();
        for (const Column& column : row) {
            const auto* number = std::get_if<double>(&column.value);
            const auto* text = std::get_if<std::string>(&column.value);
            lines.back().push_back(number ? exactNumber(*number) : text ? *text : std::string("-"));
        }
    }
    writeAligned(out, lines);
}

} // namespace velmora::cli
