#include "sky/bright_limb.h"
#include "sky/ephemeris.h"

#include <gtest/gtest.h>

namespace velmora::sky {
namespace {

// Meeus, Astronomical Algorithms, example 48.a: the Moon on 1992 April 12
// at 0h TD (59 s of Delta T before, in UT) has its bright limb at 285.0
// degrees; the Sun lies west of it, where the evening's waxing Moon turns.
TEST(BrightLimb, TheMoonOfMeeusExampleTurnsItsLimbWhereTheBookSays)
{
    const double ut = julianDay(1992, 4, 11, 23, 59, 1);
    EXPECT_NEAR(brightLimbAngle(Body::Moon, ut), 285.0, 0.1);
    // Half a month on, past full, the bright limb faces east instead.
    const double waning = brightLimbAngle(Body::Moon, ut + 15);
    EXPECT_GT(waning, 45);
    EXPECT_LT(waning, 135);
}

} // namespace
} // namespace velmora::sky
