#include "calc/number_text.h"
#include "presets/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// The window's own tests see a preset's texts in its fields.
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
