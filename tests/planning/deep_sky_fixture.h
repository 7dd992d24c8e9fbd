#pragma once

#include "planning/target_choice.h"

#include <gtest/gtest.h>

namespace velmora::planning {

// The shipped deep-sky catalogue, loaded once for a suite.
class DeepSkyFixture : public testing::Test {
protected:
    static void SetUpTestSuite() { deepSky_ = new sky::DeepSkyCatalogue(loadDeepSky()); }
    static void TearDownTestSuite() { delete deepSky_; }
    static const sky::DeepSkyCatalogue& deepSky() { return *deepSky_; }

private:
    static inline sky::DeepSkyCatalogue* deepSky_ = nullptr;
};

} // namespace velmora::planning
