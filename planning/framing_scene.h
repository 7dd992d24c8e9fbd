#pragma once

#include "sky/bodies.h"
#include "sky/target_framing.h"

#include <optional>
#include <string_view>
#include <vector>

namespace velmora::planning {

// A rectangle on the picture, x to the right and y downward from the
// object's centre, before its group is turned.
struct SceneRect {
    double x; // left edge
    double y; // top edge
    double width;
    double height;
};

// A framing picture's content, in the picture's unit (sensor pixels for a
// body, arcminutes for a deep-sky object), centred on the object. Turns are
// clockwise on the page, in degrees, as a page with y downward turns.
struct FramingScene {
    bool inPixels; // the unit: sensor pixels, else arcminutes
    double extent; // the side of the square that shows it all, with room around
    // The object: a disk when its axes are equal.
    double majorAxis;
    double minorAxis;
    double objectTurn;
    std::string_view colour; // a body's own; empty for a deep-sky object
    // The sensor's frames, all turned together with the camera.
    std::vector<SceneRect> frames; // one for each frame, or the mosaic's outline alone
    bool framesAreOutline; // too many frames a side to draw each one
    double framesTurn;
    // A body beyond the sensor: the mosaic's frames, drawn apart from the sensor.
    std::optional<SceneRect> sensor;
    bool compass; // north up and east to the left, drawn as a rose
    // A body's lit part: the share of its disk lit, and the page's turn
    // (clockwise, degrees) that carries the +x axis to its bright limb.
    struct Phase {
        double lit;
        double brightLimbTurn;
    };
    std::optional<Phase> phase;
};

// At most this many frames a side are drawn; a larger mosaic is drawn as its
// outline.
inline constexpr std::uint64_t kMostFramesDrawnASide = 50;

// A body framed by the sensor: its disk to scale, the sensor on it and, for
// a disk larger than the sensor, the mosaic that covers it.
FramingScene bodyScene(const sky::BodyView& view);

// A body on the sensor as the planner shows it, north up and east to the
// left: its disk lit as it is at the moment, and the sensor (or the
// mosaic that covers the disk) turned to `cameraAngle`.
FramingScene bodySceneAt(const sky::BodyView& view, const sky::UtcMoment& moment, double cameraAngle);

// A deep-sky object on the sensor, north up and east to the left: the
// object's ellipse at its position angle, and the sensor (or the mosaic's
// frames) turned to its camera angle.
FramingScene targetScene(const sky::TargetFraming& framing);

// A target framed at a camera angle someone chose: the scene with its
// frames turned there, and the margin there of the one frame or of the
// mosaic's whole (it holds the object when the margin is 1 or more).
struct TurnedFraming {
    FramingScene scene;
    double cameraAngle; // degrees from north through east, from 0 up to 360
    double margin;
};
TurnedFraming turnTarget(const sky::TargetFraming& framing, double cameraAngle);

// The grid a target is framed by: its mosaic, or the one frame that holds it.
sky::Mosaic targetGrid(const sky::TargetFraming& framing);

// The camera angle a target is framed at, degrees from north through east.
double targetCameraAngle(const sky::TargetFraming& framing);

} // namespace velmora::planning
