#include "calc/memory_fields.h"
#include "calc/number_text.h"
#include "presets/apply_preset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct TelescopeRow {
    const char* name;
    const char* aperture;
    const char* focal;
};

// The catalogue as published, in menu order.
const TelescopeRow kTelescopeTable[] = {{"mnukonusMAX150HM", "150", "1800"}, {"mnukonusMAX130HM", "130", "2000"},
    {"mnuintesmicroALTERM715", "180", "2700"}, {"mnuCelestronC5", "127", "1250"}, {"mnuCelestronOTC8", "203", "2032"},
    {"mnuCelestronOTC9", "235", "2350"}, {"mnuCelestronOTC11", "279", "2800"}, {"mnuCelestronOTC14", "356", "3910"},
    {"mnuTakahashiFS60C", "60", "355"}, {"mnuTakahashiFS78", "78", "630"}, {"mnuTakahashiFS102", "102", "820"},
    {"mnuTakahashiFS128", "128", "1040"}, {"mnuTakahashiFS152", "152", "1216"}, {"mnuvixenR135DG", "135", "720"},
    {"mnutalmvixenR150SDG", "150", "750"}, {"mnutal1vixenR200SSDG", "200", "800"},
    {"mnuCelestroFIRSTSCOPE114", "114", "900"}};

struct CameraRow {
    const char* name;
    const char* pixel;
    const char* width;
    const char* height;
};

const CameraRow kCameraTable[] = {{"mnuStarlightxpressSXVH5", "7.4", "660", "494"},
    {"mnuStarlightXpressSXVM9", "11.2", "752", "580"}, {"mnuStarlightXpressSXVM7", "8.2", "752", "580"},
    {"mnuStarlightXpressSXVH9", "6.45", "1392", "1040"}, {"mnuApogeeAP1ME", "9", "768", "512"},
    {"mnuApogeeAP260E", "20", "512", "512"}, {"mnuApogeeAP2E", "9", "1536", "1024"},
    {"mnuApogee32ME", "6.8", "2184", "1472"}, {"mnuApogeeAP6E", "24", "1024", "1024"},
    {"mnuApogeeAP9E", "9", "3072", "2048"}, {"mnuApogeeAP10", "14", "2048", "2048"},
    {"mnuApogeeAP16E", "9", "4096", "4096"}, {"mnuPhilipsVesta", "5.6", "640", "480"}};

const char* const kOtherFields[] = {"Text4", "Text5", "Text6", "Text7", "Text8", "Text10", "NomeFile", "Text13"};

MemoryFields scribbled()
{
    MemoryFields fields;
    for (const char* field : {"Text1", "Text2", "Text3", "Text14", "Text22"})
        fields.setText(field, "x1,5");
    for (const char* field : kOtherFields)
        fields.setText(field, std::string("was ") + field);
    return fields;
}

TEST(TelescopeCatalogue, EveryEntryWritesItsApertureAndFocalLengthOnly)
{
    ASSERT_EQ(kTelescopes.size(), std::size(kTelescopeTable));
    for (std::size_t i = 0; i < kTelescopes.size(); ++i) {
        const Telescope& telescope = kTelescopes[i];
        const TelescopeRow& row = kTelescopeTable[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(telescope.name, row.name);
        MemoryFields fields = scribbled();
        applyTelescope(telescope, fields);
        EXPECT_EQ(fields.text("Text1"), row.aperture);
        EXPECT_EQ(fields.text("Text2"), row.focal);
        for (const char* camera : {"Text3", "Text14", "Text22"})
            EXPECT_EQ(fields.text(camera), "x1,5");
        for (const char* other : kOtherFields) {
            const bool emptied = telescope.name == "mnuCelestronC5" && std::string(other) == "Text7";
            EXPECT_EQ(fields.text(other), emptied ? "" : std::string("was ") + other) << other;
        }
    }
}

TEST(TelescopeCatalogue, GroupsCaptionsAndOrder)
{
    const std::vector<std::pair<std::string, int>> groups = {
        {"mnumaksutovcassegrain", 3}, {"mnuschmidtcassegrain", 5}, {"mnurifrattori", 5}, {"mnunewton", 4}};
    std::size_t next = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(kTelescopeGroups[g].name, groups[g].first);
        EXPECT_EQ(kTelescopeGroups[g].caption, "&" + groups[g].first.substr(3));
        for (int i = 0; i < groups[g].second; ++i, ++next)
            EXPECT_EQ(kTelescopes[next].group, groups[g].first) << kTelescopes[next].name;
    }
    EXPECT_EQ(next, kTelescopes.size());
}

TEST(TelescopeCatalogue, CaptionsFollowNamesExceptTheThreeThatNeverDid)
{
    const std::map<std::string, std::string> odd = {{"mnuCelestroFIRSTSCOPE114", "&CelestronFIRSTSCOPE114"},
        {"mnutalmvixenR150SDG", "&vixenR150SDG"}, {"mnutal1vixenR200SSDG", "&vixenR200SSDG"}};
    for (const Telescope& t : kTelescopes) {
        const std::string name(t.name);
        const std::string expected = odd.contains(name) ? odd.at(name) : "&" + name.substr(3);
        EXPECT_EQ(t.caption, expected);
    }
}

TEST(CameraCatalogue, EveryEntryWritesItsThreeFieldsOnly)
{
    ASSERT_EQ(kCameras.size(), std::size(kCameraTable));
    for (std::size_t i = 0; i < kCameras.size(); ++i) {
        const Camera& camera = kCameras[i];
        const CameraRow& row = kCameraTable[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(camera.name, row.name);
        MemoryFields fields = scribbled();
        applyCamera(camera, fields);
        applyCamera(camera, fields); // twice is the same as once
        EXPECT_EQ(fields.text("Text3"), row.pixel);
        EXPECT_EQ(fields.text("Text14"), row.width);
        EXPECT_EQ(fields.text("Text22"), row.height);
        EXPECT_EQ(fields.text("Text1"), "x1,5");
        EXPECT_EQ(fields.text("Text2"), "x1,5");
        for (const char* other : kOtherFields)
            EXPECT_EQ(fields.text(other), std::string("was ") + other);
    }
}

TEST(CameraCatalogue, CaptionsAndPixelKinds)
{
    for (const Camera& camera : kCameras) {
        std::string expected = "&" + std::string(camera.name.substr(3));
        if (camera.name == "mnuStarlightxpressSXVH5")
            expected = "&StarlightXpressSXVH5";
        EXPECT_EQ(camera.caption, expected);
        const bool whole = std::trunc(camera.pixelSize) == camera.pixelSize;
        EXPECT_EQ(camera.pixelKind == PixelKind::Integer, whole) << camera.name;
    }
}

TEST(Catalogues, EveryValueReadsBackExactlyThroughTheInputTextRule)
{
    for (const Telescope& t : kTelescopes) {
        EXPECT_EQ(readFieldNumber(formatInput(t.aperture)), t.aperture);
        EXPECT_EQ(readFieldNumber(formatInput(t.focalLength)), t.focalLength);
    }
    for (const Camera& c : kCameras) {
        EXPECT_EQ(readFieldNumber(formatInput(c.pixelSize)), c.pixelSize) << c.name;
        EXPECT_EQ(readFieldNumber(formatInput(c.width)), c.width);
        EXPECT_EQ(readFieldNumber(formatInput(c.height)), c.height);
    }
}

TEST(Catalogues, MenuNamesAreUnique)
{
    std::set<std::string_view> names;
    for (const TelescopeGroup& g : kTelescopeGroups)
        EXPECT_TRUE(names.insert(g.name).second) << g.name;
    for (const Telescope& t : kTelescopes)
        EXPECT_TRUE(names.insert(t.name).second) << t.name;
    for (const Camera& c : kCameras)
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
}

} // namespace
} // namespace velmora
