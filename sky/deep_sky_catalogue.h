#pragma once

#include "deep_sky.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::sky {

// A name as people type a catalogue designation: nameKey's letters and
// digits, each run of digits without its leading zeros, so that "NGC 0224",
// "ngc224" and "NGC224" are one name.
std::string designationKey(std::string_view name);

// The deep-sky objects, found by their catalogue name, Messier number, NGC
// or IC number, or any of their common names. A duplicate entry leads to
// the object it repeats.
class DeepSkyCatalogue {
public:
    void add(DeepSkyObject object);
    // Room for this many more objects, so that a long file loads without moving them.
    void reserve(std::size_t more);

    // The object the name designates, through any duplicate entry, or none.
    const DeepSkyObject* find(std::string_view name) const;
    // Names near a misspelt one, for the refusal.
    std::vector<std::string> closest(std::string_view name) const;
    const std::vector<DeepSkyObject>& objects() const { return objects_; }

private:
    const DeepSkyObject* findOwn(std::string_view key) const;

    std::vector<DeepSkyObject> objects_;
};

} // namespace velmora::sky
