#include "formats/openngc.h"
#include "optics/equipment_catalogue.h"
#include "presets/catalogue.h"
#include "sky/target_framing.h"

#include <gtest/gtest.h>

namespace velmora::sky {
namespace {

const DeepSkyCatalogue& shipped()
{
    static const DeepSkyCatalogue catalogue = formats::loadOpenNgc(VELMORA_OPENNGC_DIR);
    return catalogue;
}

TEST(DeepSky, NamesPeopleTypeFindTheObject)
{
    // A zero inside a number stays; the Pleiades are in the addendum; a
    // duplicate entry leads to what it repeats, M102 by its Messier number to M101.
    const std::pair<const char*, const char*> rows[] = {{"M31", "NGC0224"}, {"m 31", "NGC0224"}, {"NGC224", "NGC0224"},
        {"NGC 0224", "NGC0224"}, {"ngc 2000", "NGC2000"}, {"Mel 022", "Mel022"}, {"Andromeda Galaxy", "NGC0224"},
        {"andromeda galaxy", "NGC0224"}, {"IC434", "IC0434"}, {"B33", "B033"}, {"Horsehead Nebula", "B033"},
        {"M45", "Mel022"}, {"IC11", "NGC0281"}, {"M102", "NGC5457"}, {"M40", "M040"}};
    for (const auto& [name, expected] : rows) {
        const DeepSkyObject* object = shipped().find(name);
        ASSERT_NE(object, nullptr) << name;
        EXPECT_EQ(object->name, expected) << name;
    }
    EXPECT_EQ(shipped().find("M111"), nullptr);
    EXPECT_EQ(shipped().find(""), nullptr);
    EXPECT_EQ(shipped().closest("Andromeda Galaxi").front(), "Andromeda Galaxy");
}

TEST(DeepSky, TypesFallIntoTheirFamilies)
{
    const std::pair<const char*, const char*> rows[] = {{"M42", "nebula, cluster"}, {"IC80", "galaxy"},
        {"M45", "cluster"}, {"M1", "nebula"}, {"M57", "nebula, planetary"}};
    for (const auto& [name, kinds] : rows)
        EXPECT_EQ(deepSkyFamilyText(shipped().find(name)->type->families), kinds) << name;
}

TEST(DeepSky, EveryMessierObjectHasAPlace)
{
    for (int number = 1; number <= 110; ++number) {
        const DeepSkyObject* object = shipped().find("M" + std::to_string(number));
        ASSERT_NE(object, nullptr) << number;
        EXPECT_TRUE(object->rightAscensionDeg && object->declinationDeg) << number;
        EXPECT_EQ(object->messier, number == 102 ? 101 : number);
    }
    // M31's place, against the catalogue's own sexagesimal text.
    const DeepSkyObject& m31 = *shipped().find("M31");
    EXPECT_NEAR(*m31.rightAscensionDeg, (42 + 44.35 / 60) / 60 * 15, 1e-12);
    EXPECT_NEAR(*m31.declinationDeg, 41 + (16 + 8.6 / 60) / 60, 1e-12);
}

TargetFraming framed(const char* name, const optics::OpticalTrain& train, double overlap = 0.1)
{
    const DeepSkyObject& object = *shipped().find(name);
    return frameTarget(object, *outlineOf(object), skyFieldOf(train), overlap);
}

TEST(DeepSky, M51OnAnEightInchFitsAtNoAngleAndTakesTwoFrames)
{
    const optics::EquipmentCatalogue catalogue = builtInCatalogue();
    const optics::Telescope& tube = *catalogue.telescopes.find("CelestronOTC8");
    const optics::Camera& camera = *catalogue.cameras.find("StarlightXpressSXVH9");
    const TargetFraming m51 =
        framed("M51", {tube.aperture, tube.focalLength, camera.pixelSize, camera.width, camera.height});
    EXPECT_NEAR(m51.field.width, 15.2, 0.05);
    EXPECT_NEAR(m51.field.height, 11.35, 0.01);
    EXPECT_FALSE(m51.fits()); // its minor axis alone is taller than the field
    EXPECT_NEAR(m51.margin.best, m51.field.height / 11.67, 1e-12);
    ASSERT_TRUE(m51.mosaic);
    EXPECT_EQ(m51.mosaic->frames(), 2u);
}

TEST(DeepSky, M31OnAShortRefractorTakesTwoFrames)
{
    const TargetFraming m31 = framed("M31", {80, 500, 5.2, 4272, 2848});
    EXPECT_NEAR(m31.field.width, 152.7, 0.05);
    EXPECT_NEAR(m31.field.height, 101.8, 0.05);
    EXPECT_FALSE(m31.fits());
    ASSERT_TRUE(m31.mosaic);
    EXPECT_EQ(m31.mosaic->frames(), 2u);
    // A 0.63 reducer widens the field enough to turn it in.
    EXPECT_TRUE(framed("M31", {80, 500, 5.2, 4272, 2848, 0.63}).fits());
}

// A pixel twice as tall spans the height of a square pixel twice the size.
TEST(DeepSky, EachAxisTakesItsOwnPixelSize)
{
    const SkyField oblong = skyFieldOf({80, 500, 5, 1000, 600, 1, 1, 10});
    EXPECT_DOUBLE_EQ(oblong.width, skyFieldOf({80, 500, 5, 1000, 600}).width);
    EXPECT_DOUBLE_EQ(oblong.height, skyFieldOf({80, 500, 10, 1000, 600}).height);
    EXPECT_DOUBLE_EQ(skyFieldOf({80, 500, 5, 1000, 600, 1, 2, 10}).height, oblong.height) << "binning keeps the field";
}

TEST(DeepSky, SuggestionsFitFillEnoughAndComeLargestFirst)
{
    const SkyField field = skyFieldOf({203, 2032, 6.45, 1392, 1040});
    const SuggestionFilter filter {0.5, kGalaxy, 11.0};
    const std::vector<TargetFraming> offered = suggestTargets(shipped(), field, filter);
    ASSERT_GT(offered.size(), 5u);
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const TargetFraming& f = offered[i];
        EXPECT_TRUE(f.fits()) << f.object->name;
        EXPECT_GE(f.fill(), 0.5) << f.object->name;
        EXPECT_TRUE(f.object->type->families & kGalaxy) << f.object->name;
        EXPECT_LE(*f.object->magnitude, 11.0) << f.object->name;
        if (i > 0) {
            EXPECT_GE(offered[i - 1].fill(), f.fill());
        }
    }
    // An object whose fill is the least asked for is offered.
    const TargetFraming& least = offered.back();
    EXPECT_EQ(suggestTargets(shipped(), field, {least.fill(), kGalaxy, 11.0}).back().object, least.object);
    // M110 (16.2' x 9.6') nearly fills the 15.2' x 11.35' field; M51 does not fit.
    const auto offers = [&](const char* name) {
        return std::ranges::any_of(offered, [&](const TargetFraming& f) { return f.object == shipped().find(name); });
    };
    EXPECT_TRUE(offers("M110"));
    EXPECT_FALSE(offers("M51"));
}

} // namespace
} // namespace velmora::sky
