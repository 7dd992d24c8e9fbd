#include "reading_order.h"

#include <algorithm>
#include <array>

namespace velmora::planning {

namespace {

constexpr std::array<std::string_view, 10> kOutwardFromTheSun = {
    "sun", "mercury", "venus", "moon", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};

int outwardRank(std::string_view body)
{
    const auto found = std::ranges::find(kOutwardFromTheSun, body);
    return found == kOutwardFromTheSun.end() ? -1 : static_cast<int>(found - kOutwardFromTheSun.begin());
}

} // namespace

std::vector<const sky::BodyView*> bodiesOutward(const sky::SkyView& view)
{
    std::vector<const sky::BodyView*> bodies;
    for (const sky::BodyView& body : view.bodies)
        bodies.push_back(&body);
    std::ranges::stable_sort(bodies, {}, [](const sky::BodyView* b) { return outwardRank(b->facts->name); });
    return bodies;
}

int readingRank(std::string_view quantityId)
{
    // The engine names a body's results after it: km_per_pixel_<body>[_near|_far].
    constexpr std::string_view kPrefix = "km_per_pixel_";
    if (!quantityId.starts_with(kPrefix))
        return -1;
    const std::string_view body = quantityId.substr(kPrefix.size());
    return outwardRank(body.substr(0, body.find('_')));
}

} // namespace velmora::planning
