#pragma once

#include "sky/bodies.h"

#include <string_view>
#include <vector>

namespace velmora::planning {

// The bodies of a view as people list them: outward from the Sun, the Moon
// with the Earth.
std::vector<const sky::BodyView*> bodiesOutward(const sky::SkyView& view);

// Where a result stands when people read the results: those of a body
// (its kilometres per pixel, nearest and farthest) in the bodies' order,
// after every other result, which keeps the engine's step order (-1).
int readingRank(std::string_view quantityId);

} // namespace velmora::planning
