#pragma once

#include "exposure_request.h"
#include "optics/exposure.h"
#include "sky/deep_sky.h"
#include "sky/framing.h"

#include <cstddef>
#include <optional>

namespace velmora::planning {

// What a target gives the rig: its surface brightness, its signal, and the
// subs and hours to the signal-to-noise asked.
struct TargetExposure {
    double surfaceBrightness; // magnitudes a square arcsecond
    char magnitudeBand; // 'V' or 'B', the catalogue magnitude it comes from; 0 when given
    double signalRate; // electrons a pixel a second
    std::optional<double> snrPerSub; // none without a sub
    std::optional<double> subs; // to reach the signal-to-noise asked; none without a sub
    std::optional<double> hours; // to reach it: the subs', or without a sub the sky-limited total
    std::optional<double> snrTonight; // in the night's usable hours, with a site and a date
};

// The rig under its sky: the light path, the sky's rate, the sub and its
// bounds, and with a target what it takes.
struct ExposureFigures {
    double sqm;
    bool sqmAssumed; // none was given
    double bandWidth; // nm
    double quantumEfficiency;
    double transmission;
    bool colour;
    double obstruction; // mm
    double pixelArea; // square arcseconds
    double skyRate; // electrons a pixel a second
    std::optional<double> readNoise; // electrons; none when nobody gave it
    std::optional<double> gain; // where the camera's table was read
    std::size_t readModes = 0; // in the camera file, of which the first is read
    std::optional<double> otherPixel; // micrometres, the camera file's, when it is not the rig's
    std::optional<double> shortestSub; // seconds, read noise buried in the sky's
    std::optional<double> longestSub; // seconds, the sky alone filling its share of the well
    std::optional<double> sub; // the sub advised: the shortest, unless the well is filled first
    double snrGoal;
    std::optional<TargetExposure> target;
};

// The exposure of one rig, worked out once for any number of targets.
// Whatever the rig and request cannot have (an obstruction as wide as the
// aperture, a gain outside the camera file's table) throws Refusal.
class ExposurePlan {
public:
    ExposurePlan(const ExposureRequest& request, const FilterBand& band, const optics::OpticalTrain& train);

    const ExposureFigures& figures() const { return figures_; }
    // The figures with a target: the surface brightness given, else the
    // object's magnitude spread over its outline (arcminutes); none when
    // neither is known. `usableHours` gives the signal-to-noise tonight.
    ExposureFigures withTarget(
        const sky::DeepSkyObject* object, const sky::Outline* outline, std::optional<double> usableHours) const;
    std::optional<TargetExposure> target(
        const sky::DeepSkyObject* object, const sky::Outline* outline, std::optional<double> usableHours) const;

private:
    const ExposureRequest& request_;
    optics::LightPath path_;
    ExposureFigures figures_;
};

} // namespace velmora::planning
