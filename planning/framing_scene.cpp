#include "framing_scene.h"

#include "sky/bright_limb.h"
#include "sky/ephemeris.h"

#include <algorithm>
#include <cmath>

namespace velmora::planning {

namespace {

// Room around the object and its frames, so that nothing touches the edge.
constexpr double kRoom = 1.15;

// The grid's frames, laid from its top left corner, centred on the object;
// its outline alone when there are too many to draw.
std::vector<SceneRect> gridFrames(const sky::Mosaic& grid, bool& outline)
{
    const double left = -grid.totalWidth() / 2;
    const double top = -grid.totalHeight() / 2;
    outline = grid.columns > kMostFramesDrawnASide || grid.rows > kMostFramesDrawnASide;
    if (outline)
        return {{left, top, grid.totalWidth(), grid.totalHeight()}};
    std::vector<SceneRect> frames;
    for (std::uint64_t column = 0; column < grid.columns; ++column) {
        for (std::uint64_t row = 0; row < grid.rows; ++row)
            frames.push_back({left + double(column) * grid.stepX(), top + double(row) * grid.stepY(), grid.frameWidth,
                grid.frameHeight});
    }
    return frames;
}

} // namespace

FramingScene bodyScene(const sky::BodyView& view)
{
    const sky::Mosaic& mosaic = view.mosaic;
    FramingScene scene {};
    scene.inPixels = true;
    scene.extent = std::max({mosaic.totalWidth(), mosaic.totalHeight(), view.diskPixels}) * kRoom;
    scene.majorAxis = scene.minorAxis = view.diskPixels;
    scene.colour = view.facts->colour;
    const SceneRect sensor {-mosaic.frameWidth / 2, -mosaic.frameHeight / 2, mosaic.frameWidth, mosaic.frameHeight};
    if (view.fitsSensor) {
        scene.frames = {sensor};
    } else {
        scene.frames = gridFrames(mosaic, scene.framesAreOutline);
        scene.sensor = sensor;
    }
    return scene;
}

FramingScene bodySceneAt(const sky::BodyView& view, const sky::UtcMoment& moment, double cameraAngle)
{
    const double julianDay =
        sky::julianDay(moment.year, moment.month, moment.day, moment.hour, moment.minute, moment.second);
    FramingScene scene = bodyScene(view);
    scene.extent = std::max(scene.extent, std::hypot(view.mosaic.totalWidth(), view.mosaic.totalHeight()) * kRoom);
    scene.framesTurn = -cameraAngle;
    scene.compass = true;
    // A position angle points up at 0 and left at 90 on the page.
    scene.phase =
        FramingScene::Phase {view.illuminatedFraction, -90 - sky::brightLimbAngle(view.facts->body, julianDay)};
    return scene;
}

sky::Mosaic targetGrid(const sky::TargetFraming& framing)
{
    if (framing.mosaic)
        return framing.mosaic->grid;
    return {1, 1, framing.field.width, framing.field.height, 0};
}

double targetCameraAngle(const sky::TargetFraming& framing)
{
    if (framing.fits())
        return framing.margin.bestAngle;
    return framing.mosaic ? framing.mosaic->cameraAngle : 0;
}

// With north up and east to the left, a position angle turns
// counter-clockwise on the page.
FramingScene targetScene(const sky::TargetFraming& framing)
{
    const sky::Outline& outline = framing.shape.outline;
    const sky::Mosaic grid = targetGrid(framing);
    FramingScene scene {};
    scene.extent = std::max(std::hypot(grid.totalWidth(), grid.totalHeight()), outline.majorAxis) * kRoom;
    scene.majorAxis = outline.majorAxis;
    scene.minorAxis = outline.minorAxis;
    scene.objectTurn = 90 - outline.positionAngle;
    scene.frames = gridFrames(grid, scene.framesAreOutline);
    scene.framesTurn = -targetCameraAngle(framing);
    scene.compass = true;
    return scene;
}

TurnedFraming turnTarget(const sky::TargetFraming& framing, double cameraAngle)
{
    const double angle = cameraAngle - 360 * std::floor(cameraAngle / 360);
    FramingScene scene = targetScene(framing);
    scene.framesTurn = -angle;
    return {scene, angle, sky::marginAt(sky::wholeField(targetGrid(framing)), framing.shape.outline, angle)};
}

} // namespace velmora::planning
