#include "planning/framing_scene.h"
#include "planning/target_choice.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::planning {
namespace {

// The frames' bounding box, before they are turned.
struct Box {
    double left, top, right, bottom;
};

Box boxOf(const std::vector<SceneRect>& frames)
{
    Box box {INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const SceneRect& r : frames)
        box = {std::min(box.left, r.x), std::min(box.top, r.y), std::max(box.right, r.x + r.width),
            std::max(box.bottom, r.y + r.height)};
    return box;
}

sky::BodyView disk(double pixels, sky::Mosaic mosaic, bool fits)
{
    return {sky::findBody("moon"), 384400, 1870, 3, pixels, fits, mosaic, 1, {}, {}};
}

TEST(FramingScene, ABodyThatFitsShowsTheSensorAlone)
{
    const FramingScene scene = bodyScene(disk(300, sky::mosaicCovering(300, 640, 480), true));
    ASSERT_EQ(scene.frames.size(), 1u);
    EXPECT_FALSE(scene.sensor);
    EXPECT_DOUBLE_EQ(scene.frames[0].x, -320);
    EXPECT_DOUBLE_EQ(scene.frames[0].y, -240);
    EXPECT_DOUBLE_EQ(scene.majorAxis, 300);
    EXPECT_EQ(scene.colour, sky::findBody("moon")->colour);
    EXPECT_FALSE(scene.compass);
    EXPECT_GT(scene.extent, 640) << "room around the sensor";
}

TEST(FramingScene, ABodyBeyondTheSensorShowsTheMosaicCentredOnIt)
{
    // 1000 px across on 640 x 480 frames overlapping by 10%: 2 x 3 frames, stepping 576 and 432 px.
    const FramingScene scene = bodyScene(disk(1000, sky::mosaicCovering(1000, 640, 480), false));
    ASSERT_EQ(scene.frames.size(), 6u);
    ASSERT_TRUE(scene.sensor);
    EXPECT_DOUBLE_EQ(scene.sensor->width, 640);
    const Box box = boxOf(scene.frames);
    EXPECT_DOUBLE_EQ(box.right - box.left, 640 + 576);
    EXPECT_DOUBLE_EQ(box.bottom - box.top, 480 + 2 * 432);
    EXPECT_DOUBLE_EQ(box.left + box.right, 0);
    EXPECT_DOUBLE_EQ(box.top + box.bottom, 0);
    EXPECT_DOUBLE_EQ(scene.frames[1].y - scene.frames[0].y, 432) << "frames run down a column first";
    EXPECT_GE(scene.extent, 1000);
}

TEST(FramingScene, AMosaicTooLargeToDrawIsItsOutline)
{
    // Fifty frames a side are still drawn one by one; fifty-one are not.
    const sky::Mosaic fifty {50, 1, 10, 10, 0.1};
    EXPECT_EQ(bodyScene(disk(400, fifty, false)).frames.size(), 50u);
    const sky::Mosaic fiftyDown {1, 50, 10, 10, 0.1};
    EXPECT_EQ(bodyScene(disk(400, fiftyDown, false)).frames.size(), 50u);
    const sky::Mosaic fiftyOne {1, 51, 10, 10, 0.1};
    EXPECT_TRUE(bodyScene(disk(400, fiftyOne, false)).framesAreOutline);

    const FramingScene scene = bodyScene(disk(60000, sky::mosaicCovering(60000, 640, 480), false));
    EXPECT_TRUE(scene.framesAreOutline);
    ASSERT_EQ(scene.frames.size(), 1u);
    EXPECT_GE(scene.frames[0].width, 60000);
}

// Whether a direction on the sky at this position angle, on a page with north
// up and east to the left, lies along the page's x axis turned clockwise by
// `turn` (y runs down the page).
bool alongOnThePage(double positionAngle, double turn)
{
    const double a = positionAngle * M_PI / 180;
    const double t = turn * M_PI / 180;
    return std::abs(-std::sin(a) * std::sin(t) + std::cos(a) * std::cos(t)) < 1e-9;
}

TEST(FramingScene, ATargetTurnsWithItsPositionAngleAndTheCamera)
{
    const sky::DeepSkyCatalogue catalogue = loadDeepSky();
    const ChosenTarget m51 = chooseTarget(catalogue, "M51");
    struct Case {
        sky::SkyField field;
        std::size_t frames;
    };
    for (const Case& c : {Case {{40, 30}, 1u}, Case {{6, 4}, 0u}}) {
        const sky::TargetFraming framing = frameTarget(m51, c.field, 0.2);
        const FramingScene scene = targetScene(framing);
        // The major axis lies along the position angle; the frames' width along the camera angle plus 90, as
        // the width runs east-west at 0.
        EXPECT_TRUE(alongOnThePage(m51.shape.outline.positionAngle, scene.objectTurn)) << scene.objectTurn;
        EXPECT_FALSE(alongOnThePage(m51.shape.outline.positionAngle + 90, scene.objectTurn)) << scene.objectTurn;
        EXPECT_TRUE(alongOnThePage(targetCameraAngle(framing) + 90, scene.framesTurn)) << scene.framesTurn;
        EXPECT_TRUE(scene.compass);
        EXPECT_EQ(scene.frames.size(), c.frames ? c.frames : framing.mosaic->frames());
        const Box box = boxOf(scene.frames);
        EXPECT_LE(std::hypot(box.right - box.left, box.bottom - box.top), scene.extent) << "all of it shows";
        EXPECT_GE(scene.extent, m51.shape.outline.majorAxis);
    }
}

// Turned by hand, the margin is the field's at that angle: the best at the
// best angle, less elsewhere, the same a turn round.
TEST(FramingScene, ATargetTurnedByHandHasTheMarginThere)
{
    const sky::DeepSkyCatalogue catalogue = loadDeepSkyFor("M51");
    const sky::TargetFraming framing = frameTarget(chooseTarget(catalogue, "M51"), {30, 20}, 0.1);
    const double best = framing.margin.bestAngle;
    const TurnedFraming atBest = turnTarget(framing, best);
    EXPECT_NEAR(atBest.margin, framing.margin.best, 1e-9);
    EXPECT_NEAR(atBest.scene.framesTurn, -best, 1e-9);
    const TurnedFraming across = turnTarget(framing, best + 90);
    EXPECT_LT(across.margin, atBest.margin);
    const TurnedFraming round = turnTarget(framing, best + 90 - 720);
    EXPECT_NEAR(round.cameraAngle, across.cameraAngle, 1e-9);
    EXPECT_NEAR(round.margin, across.margin, 1e-9);
    EXPECT_GE(round.cameraAngle, 0);
    EXPECT_LT(round.cameraAngle, 360);
}

// Three days after the new Moon of 2026 December 9, in the evening, the
// Sun has set in the west: the lit limb faces west, the page's right with
// north up and east left.
TEST(FramingScene, TheMoonIsLitOnTheSunsSide)
{
    sky::BodyView moon = disk(300, {1, 1, 640, 480, 0.1}, true);
    moon.illuminatedFraction = 0.1;
    const FramingScene scene = bodySceneAt(moon, {2026, 12, 12, 17, 0, 0}, 30);
    ASSERT_TRUE(scene.phase);
    EXPECT_EQ(scene.phase->lit, 0.1);
    EXPECT_GT(std::cos(scene.phase->brightLimbTurn * M_PI / 180), 0.5);
    EXPECT_EQ(scene.framesTurn, -30);
    EXPECT_TRUE(scene.compass);
    EXPECT_TRUE(scene.inPixels);
}

} // namespace
} // namespace velmora::planning
