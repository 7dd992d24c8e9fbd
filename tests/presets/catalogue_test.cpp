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

} // namespace
} // namespace velmora
