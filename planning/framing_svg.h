#pragma once

#include "sky/bodies.h"
#include "sky/target_framing.h"
#include "tonight.h"

#include <optional>
#include <string>

namespace velmora::planning {

// A picture of a body framed by the camera on a date, as an SVG document:
// the sensor turned to `cameraAngle` (north through east) as a rectangle
// with the body's disk to scale on it, lit as it is then, the disk's size
// in pixels and the date written on it, and, for a disk larger than the
// sensor, the mosaic that covers it.
std::string framingSvg(const sky::BodyView& view, const sky::UtcMoment& moment, double cameraAngle = 0);

// A deep-sky object on the sensor as an SVG document, north up and east to
// the left: the sensor (or the mosaic's frames) turned to its camera angle,
// the object's ellipse at its position angle, its name, size and verdict,
// and, from a site, its altitude and usable hours tonight. The frames stand
// at `cameraAngle` when given, else at the framing's own angle.
std::string targetFramingSvg(const sky::TargetFraming& framing, const TargetTonight* tonight = nullptr,
    std::optional<double> cameraAngle = std::nullopt);

} // namespace velmora::planning
