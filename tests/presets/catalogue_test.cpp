#include "calc/number_text.h"
#include "presets/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace velmora {
namespace {

template <typename Entry> const Entry& entry(const auto& catalogue, std::string_view name)
{
    const auto found = std::ranges::find(catalogue, name, &Entry::name);
    if (found == catalogue.end())
        throw std::out_of_range(std::string(name));
    return *found;
}

TEST(Catalogues, EntriesWriteTheirValuesAsInputTexts)
{
    const TelescopeTexts takahashi = inputTexts(entry<Telescope>(kTelescopes, "mnuTakahashiFS102"));
    EXPECT_EQ(takahashi.aperture, "102");
    EXPECT_EQ(takahashi.focalLength, "820");
    const CameraTexts apogee = inputTexts(entry<Camera>(kCameras, "mnuApogeeAP16E"));
    EXPECT_EQ(apogee.pixelSize, "9");
    EXPECT_EQ(apogee.sensorWidth, "4096");
    EXPECT_EQ(apogee.sensorHeight, "4096");
    EXPECT_EQ(inputTexts(entry<Camera>(kCameras, "mnuStarlightxpressSXVH5")).pixelSize, "7.4");
    EXPECT_EQ(inputTexts(entry<Camera>(kCameras, "mnuApogeeAP10")).pixelSize, "14");
}

TEST(Catalogues, EveryValueReadsBackExactly)
{
    for (const Telescope& t : kTelescopes) {
        const TelescopeTexts texts = inputTexts(t);
        EXPECT_EQ(readFieldNumber(texts.aperture), t.aperture) << t.name;
        EXPECT_EQ(readFieldNumber(texts.focalLength), t.focalLength) << t.name;
    }
    for (const Camera& c : kCameras) {
        const CameraTexts texts = inputTexts(c);
        EXPECT_EQ(readFieldNumber(texts.pixelSize), c.pixelSize) << c.name;
        EXPECT_EQ(readFieldNumber(texts.sensorWidth), c.width) << c.name;
        EXPECT_EQ(readFieldNumber(texts.sensorHeight), c.height) << c.name;
    }
}

} // namespace
} // namespace velmora
