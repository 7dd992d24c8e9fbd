#include "figure_option.h"

#include "formats/exact_number.h"
#include "formats/input_error.h"
#include "formats/readable_number.h"
#include "formats/strict_number.h"

#include <array>
#include <cmath>
#include <utility>

namespace velmora::cli {

namespace {

using planning::FigureId;

// clang-format off
constexpr std::array<std::pair<FigureId, std::string_view>, 32> kNouns {{
    {FigureId::Aperture, "the aperture"}, {FigureId::FocalLength, "the focal length"},
    {FigureId::PixelSize, "the pixel size"}, {FigureId::Width, "the width"}, {FigureId::Height, "the height"},
    {FigureId::Barlow, "the barlow factor"}, {FigureId::Binning, "the binning"}, {FigureId::Seeing, "the seeing"},
    {FigureId::Wavelength, "the wavelength"}, {FigureId::Overlap, "the overlap"},
    {FigureId::Latitude, "the latitude"}, {FigureId::Longitude, "the longitude"},
    {FigureId::Elevation, "the elevation (m)"}, {FigureId::MinAltitude, "the altitude"},
    {FigureId::Pressure, "the pressure (hPa)"}, {FigureId::Temperature, "the temperature"},
    {FigureId::Humidity, "the humidity"}, {FigureId::MinFill, "the fill"},
    {FigureId::MaxMagnitude, "the magnitude"}, {FigureId::MinHours, "the hours"},
    {FigureId::Sqm, "the sky brightness"}, {FigureId::ReadNoise, "the read noise"}, {FigureId::Gain, "the gain"},
    {FigureId::QuantumEfficiency, "the quantum efficiency"}, {FigureId::Transmission, "the transmission"},
    {FigureId::Obstruction, "the obstruction"}, {FigureId::FullWell, "the full well"},
    {FigureId::DarkCurrent, "the dark current"}, {FigureId::Snr, "the signal-to-noise"},
    {FigureId::SurfaceBrightness, "the surface brightness"}, {FigureId::BandShortest, "the band's start"},
    {FigureId::BandLongest, "the band's end"},
}};
// clang-format on

} // namespace

std::string_view figureNoun(FigureId id)
{
    for (const auto& [each, noun] : kNouns) {
        if (each == id)
            return noun;
    }
    return {};
}

std::function<double(const std::string&)> figureReader(FigureId id)
{
    return [id](const std::string& text) {
        const planning::Figure& shape = planning::figure(id);
        const double value = formats::strictNumber(text);
        const std::string named = std::string(figureNoun(id)) + " " + formats::echoed(text);
        if (shape.whole && value != std::round(value))
            throw formats::InputError(named + " is not a whole number");
        if (!shape.bounds.holds(value))
            throw formats::InputError(named + " " + shape.bounds.refusal());
        return value;
    };
}

void requireWithin(double value, FigureId id)
{
    const optics::PlausibleRange& bounds = planning::figure(id).bounds;
    if (!bounds.holds(value))
        throw formats::InputError(
            std::string(figureNoun(id)) + " " + formats::exactNumber(value) + " " + bounds.refusal());
}

std::string figureHelp(FigureId id, const std::string& help)
{
    const planning::Figure& shape = planning::figure(id);
    std::string said = help + " (";
    if (shape.byDefault)
        said += "default " + formats::readableNumber(*shape.byDefault) + "; ";
    return said + shape.bounds.span() + ")";
}

} // namespace velmora::cli
