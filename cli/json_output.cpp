// One computation as a JSON object: "inputs", "results", "sampling".
#include "output.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <ostream>

namespace velmora::cli {

namespace {

using Json = nlohmann::ordered_json;

Json numberOrNull(double value)
{
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json inputsOf(const Computation& computation)
{
    const OpticalTrain& train = computation.train;
    Json inputs = Json::object();
    if (!computation.telescope.empty())
        inputs["telescope"] = computation.telescope;
    if (!computation.camera.empty())
        inputs["camera"] = computation.camera;
    inputs["aperture_mm"] = train.aperture;
    inputs["focal_length_mm"] = train.focalLength;
    inputs["pixel_um"] = train.pixelSize;
    inputs["width_px"] = train.width;
    inputs["height_px"] = train.height;
    inputs["barlow"] = train.barlow;
    inputs["binning"] = train.binning;
    inputs["effective_focal_length_mm"] = train.effectiveFocalLength();
    inputs["effective_pixel_um"] = train.effectivePixelSize();
    inputs["effective_width_px"] = train.effectiveWidth();
    inputs["effective_height_px"] = train.effectiveHeight();
    return inputs;
}

Json samplingOf(const SamplingAdvice& advice)
{
    return Json {
        {"rule", advice.rule->id},
        {"rule_statement", advice.rule->statement},
        {"seeing_arcsec", advice.seeing},
        {"pixel_field_arcsec", advice.pixelField},
        {"pixels_per_fwhm", advice.pixelsPerFwhm},
        {"verdict", verdictText(advice.verdict)},
        {"barlow_range", Json::array({advice.fewestBarlow, numberOrNull(advice.mostBarlow)})},
        {"good_binnings", advice.goodBinnings},
        {"wavelength_nm", advice.wavelength},
        {"critical_focal_ratio", advice.criticalFocalRatio},
        {"barlow_for_critical_focal_ratio", advice.barlowForCriticalRatio},
    };
}

Json bodiesOf(const SkyView& sky)
{
    Json bodies = Json::array();
    for (const BodyView& b : sky.bodies) {
        Json body {{"body", b.facts->name}, {"distance_km", b.distanceKm},
            {"apparent_diameter_arcsec", b.apparentDiameterArcsec}, {"km_per_pixel", b.kmPerPixel},
            {"disk_px", b.diskPixels}, {"fits_sensor", b.fitsSensor}, {"mosaic_frames", b.mosaicColumns * b.mosaicRows},
            {"illuminated_fraction", b.illuminatedFraction}};
        if (b.maxCaptureSeconds)
            body["max_capture_s"] = *b.maxCaptureSeconds;
        bodies.push_back(std::move(body));
    }
    return bodies;
}

} // namespace

void writeJson(std::ostream& out, const Computation& computation)
{
    Json document = Json::object();
    document["inputs"] = inputsOf(computation);
    Json results = Json::array();
    for (const Result& result : computation.outcome.results) {
        results.push_back(Json {{"id", result.quantity->id}, {"value", result.value}, {"text", result.text},
            {"unit", result.quantity->unit}});
    }
    document["results"] = std::move(results);
    if (computation.sampling)
        document["sampling"] = samplingOf(*computation.sampling);
    if (computation.sky) {
        document["date"] = computation.sky->date.text;
        document["bodies"] = bodiesOf(*computation.sky);
    }
    out << document.dump(2) << '\n';
}

} // namespace velmora::cli
