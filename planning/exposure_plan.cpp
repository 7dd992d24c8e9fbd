#include "exposure_plan.h"

#include "refusal.h"
#include "rules.h"
#include "units/angles.h"

#include <cmath>

namespace velmora::planning {

namespace {

constexpr double kQuantumEfficiency = 0.6; // when neither the request nor the camera file gives one
constexpr double kSamePixel = 0.01; // pixel sizes closer than this share are one camera's

// The camera file's pixel when it is not the rig's: its figures may be
// another camera's.
std::optional<double> otherPixelOf(const formats::CameraNoise* camera, const optics::OpticalTrain& train)
{
    if (!camera || !camera->pixelSize || std::abs(*camera->pixelSize - train.pixelSize) <= kSamePixel * train.pixelSize)
        return std::nullopt;
    return camera->pixelSize;
}

double obstructionOf(const ExposureRequest& request, double aperture)
{
    const double given = request.obstruction.value_or(0);
    const double millimetres = given < 1 ? given * aperture : given;
    if (!(millimetres < aperture))
        throw Refusal(Subject::Obstruction, Reason::ObstructionTooLarge, {millimetres, aperture});
    return millimetres;
}

// The read noise asked for: given, else the camera's at the gain (its only
// point needs no gain); none when nobody gave it.
std::optional<double> readNoiseOf(const ExposureRequest& request)
{
    if (request.readNoise || !request.camera)
        return request.readNoise;
    const optics::ReadNoiseTable& table = request.camera->readNoise;
    const optics::PlausibleRange gains {table.lowestGain(), table.highestGain()};
    if (!request.gain) {
        if (table.points().size() == 1)
            return table.points().front().readNoise;
        throw Refusal::missing(Subject::Gain, gains);
    }
    if (const auto readNoise = table.at(*request.gain))
        return readNoise;
    throw Refusal::outOfBounds(Subject::Gain, *request.gain, gains);
}

} // namespace

ExposurePlan::ExposurePlan(const ExposureRequest& request, const FilterBand& band, const optics::OpticalTrain& train) :
      request_(request)
{
    const formats::CameraNoise* camera = request.camera ? &*request.camera : nullptr;
    path_ = {train.aperture, obstructionOf(request, train.aperture), optics::pixelSolidAngle(train), band.width(),
        request.quantumEfficiency.value_or(
            camera && camera->quantumEfficiency ? *camera->quantumEfficiency : kQuantumEfficiency),
        request.transmission, request.colour || (camera && camera->colour.value_or(false))};
    ExposureFigures& f = figures_;
    f.sqm = request.sqm.value_or(kAssumedSqm);
    f.sqmAssumed = !request.sqm;
    f.bandWidth = path_.bandWidth;
    f.quantumEfficiency = path_.quantumEfficiency;
    f.transmission = path_.transmission;
    f.colour = path_.colour;
    f.obstruction = path_.obstruction;
    f.pixelArea = path_.pixelArea;
    f.skyRate = optics::electronRate(f.sqm, path_);
    f.readNoise = readNoiseOf(request);
    f.gain = camera && !request.readNoise ? request.gain : std::nullopt;
    f.readModes = camera && !request.readNoise ? camera->readModes : 0;
    f.otherPixel = otherPixelOf(camera, train);
    f.longestSub = optics::longestSub(request.fullWell, f.skyRate, kSkyShareOfWell);
    if (f.readNoise)
        f.shortestSub = optics::shortestSub(*f.readNoise, f.skyRate, request.noiseIncrease);
    // Without read noise any sub is sky-limited: the hours are the sky's.
    if (f.shortestSub && *f.shortestSub > 0)
        f.sub = f.longestSub ? std::min(*f.shortestSub, *f.longestSub) : *f.shortestSub;
    f.snrGoal = request.snr;
}

std::optional<TargetExposure> ExposurePlan::target(
    const sky::DeepSkyObject* object, const sky::Outline* outline, std::optional<double> usableHours) const
{
    TargetExposure target {};
    if (request_.surfaceBrightness) {
        target.surfaceBrightness = *request_.surfaceBrightness;
    } else if (object && object->magnitude && outline) {
        target.surfaceBrightness = optics::meanSurfaceBrightness(*object->magnitude,
            outline->majorAxis * units::kArcsecPerArcmin, outline->minorAxis * units::kArcsecPerArcmin);
        target.magnitudeBand = object->magnitudeBand;
    } else {
        return std::nullopt;
    }
    const ExposureFigures& f = figures_;
    target.signalRate = optics::electronRate(target.surfaceBrightness, path_);
    const optics::PixelNoise pixel {target.signalRate, f.skyRate, request_.darkCurrent, f.readNoise.value_or(0)};
    if (f.sub) {
        target.snrPerSub = optics::signalToNoise(pixel, *f.sub, 1);
        target.subs = optics::subsToReach(pixel, *f.sub, f.snrGoal);
        if (target.subs)
            target.hours = *target.subs * *f.sub / units::kSecondsPerHour;
    } else if (const auto seconds = optics::skyLimitedSeconds(pixel, f.snrGoal)) {
        target.hours = *seconds / units::kSecondsPerHour;
    }
    if (usableHours) {
        const double seconds = *usableHours * units::kSecondsPerHour;
        target.snrTonight = f.sub ? optics::signalToNoise(pixel, *f.sub, std::floor(seconds / *f.sub))
                                  : optics::signalToNoise(pixel, seconds, 1);
    }
    return target;
}

ExposureFigures ExposurePlan::withTarget(
    const sky::DeepSkyObject* object, const sky::Outline* outline, std::optional<double> usableHours) const
{
    ExposureFigures figures = figures_;
    figures.target = target(object, outline, usableHours);
    return figures;
}

} // namespace velmora::planning
