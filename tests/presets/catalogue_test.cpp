#include "calc/number_text.h"
#include "presets/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// The window's own tests see a preset's texts in its fields.
TEST(Catalogues, EveryValueReadsBackExactly)
{
    for (const TelescopeEntry& entry : kTelescopes) {
        const TelescopeTexts texts = inputTexts(entry.telescope);
        EXPECT_EQ(readFieldNumber(texts.aperture), entry.telescope.aperture) << entry.name;
        EXPECT_EQ(readFieldNumber(texts.focalLength), entry.telescope.focalLength) << entry.name;
    }
    for (const CameraEntry& entry : kCameras) {
        const CameraTexts texts = inputTexts(entry.camera);
        EXPECT_EQ(readFieldNumber(texts.pixelSize), entry.camera.pixelSize) << entry.name;
        EXPECT_EQ(readFieldNumber(texts.sensorWidth), entry.camera.width) << entry.name;
        EXPECT_EQ(readFieldNumber(texts.sensorHeight), entry.camera.height) << entry.name;
    }
}

// The name velmora-calc knows an entry by is what its menu shows.
std::string shown(std::string_view caption)
{
    std::string name(caption);
    std::erase(name, '&');
    return name;
}

TEST(Catalogues, BothFrontEndsNameAnEntryAsItsMenuShowsIt)
{
    const optics::EquipmentCatalogue catalogue = builtInCatalogue();
    ASSERT_EQ(catalogue.telescopes.items().size(), kTelescopes.size());
    ASSERT_EQ(catalogue.cameras.items().size(), kCameras.size());
    for (const TelescopeEntry& entry : kTelescopes) {
        EXPECT_EQ(entry.telescope.name, shown(entry.caption));
        const optics::Telescope* found = catalogue.telescopes.find(entry.name.substr(3));
        ASSERT_NE(found, nullptr) << entry.name << ": the object name without mnu is an alias";
        EXPECT_EQ(*found, entry.telescope);
    }
    for (const CameraEntry& entry : kCameras) {
        EXPECT_EQ(entry.camera.name, shown(entry.caption));
        EXPECT_EQ(catalogue.cameras.find(entry.camera.name), catalogue.cameras.find(entry.name.substr(3)));
    }
    // The Vesta's alias differs from its name only in case; FIRSTSCOPE's menu misspells it.
    EXPECT_EQ(catalogue.telescopes.find("CelestroFIRSTSCOPE114")->name, "CelestronFIRSTSCOPE114");
}

// Each preset against its maker's published figures, typed here from the
// makers' catalogues and the sensors' data sheets rather than from the
// presets: the focal ratio of each telescope, the chip of each camera (mm).
TEST(Catalogues, PresetsAgreeWithTheMakersPublishedFigures)
{
    const std::pair<const char*, double> ratios[] = {{"konusMAX150HM", 12}, {"intesmicroALTERM715", 15},
        {"CelestronC5", 10}, {"CelestronOTC8", 10}, {"CelestronOTC9", 10}, {"CelestronOTC11", 10},
        {"CelestronOTC14", 11}, {"TakahashiFS60C", 5.9}, {"TakahashiFS78", 8}, {"TakahashiFS102", 8},
        {"TakahashiFS128", 8.1}, {"TakahashiFS152", 8}, {"vixenR135DG", 5.3}, {"vixenR150SDG", 5}, {"vixenR200SSDG", 4},
        {"CelestronFIRSTSCOPE114", 7.9}};
    const optics::EquipmentCatalogue catalogue = builtInCatalogue();
    for (const auto& [name, ratio] : ratios) {
        const optics::Telescope* telescope = catalogue.telescopes.find(name);
        ASSERT_NE(telescope, nullptr) << name;
        EXPECT_NEAR(telescope->focalLength / telescope->aperture, ratio, ratio * 0.02) << name;
    }
    struct Chip {
        const char* camera;
        double width, height; // mm, from the sensor's data sheet
    };
    const Chip chips[] = {{"StarlightXpressSXVH5", 4.88, 3.66}, {"StarlightXpressSXVH9", 8.98, 6.71},
        {"ApogeeAP1ME", 6.9, 4.6}, {"ApogeeAP260E", 10.2, 10.2}, {"ApogeeAP2E", 13.8, 9.2}, {"Apogee32ME", 14.9, 10.0},
        {"ApogeeAP6E", 24.6, 24.6}, {"ApogeeAP9E", 27.6, 18.4}, {"ApogeeAP10", 28.7, 28.7}, {"ApogeeAP16E", 36.9, 36.9},
        {"PhilipsVesta", 3.6, 2.7}};
    for (const Chip& chip : chips) {
        const optics::Camera* camera = catalogue.cameras.find(chip.camera);
        ASSERT_NE(camera, nullptr) << chip.camera;
        EXPECT_NEAR(camera->width * camera->pixelSize / 1000, chip.width, chip.width * 0.01) << chip.camera;
        EXPECT_NEAR(camera->height * camera->pixelSize / 1000, chip.height, chip.height * 0.01) << chip.camera;
    }
}

} // namespace
} // namespace velmora
