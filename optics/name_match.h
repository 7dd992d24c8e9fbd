#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::optics {

// A name as people type it: letters and digits only, in lower case, so that
// "Celestron FIRSTSCOPE-114" and "celestronfirstscope114" are one name.
std::string nameKey(std::string_view name);

// nameKey's hash and equality, worked out without building the keys: a
// catalogue of a million entries is indexed without a string per entry.
std::uint64_t nameKeyHash(std::string_view name);
bool sameNameKey(std::string_view a, std::string_view b);

// Of `names`, the closest to `wanted` by edit distance on their keys, nearest
// first, at most `count`, and only those near enough to be a slip of the
// keyboard.
std::vector<std::string> closestNames(
    std::string_view wanted, const std::vector<std::string>& names, std::size_t count = 3);

} // namespace velmora::optics
