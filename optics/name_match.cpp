#include "name_match.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace velmora::optics {

namespace {

// A byte that counts in a name's key, lowered; 0 for one that does not.
char keyByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    // Bytes beyond ASCII (UTF-8 letters) are kept as they are.
    return byte >= 0x80 || std::isalnum(byte) ? static_cast<char>(std::tolower(byte)) : '\0';
}

} // namespace

std::uint64_t nameKeyHash(std::string_view name)
{
    std::uint64_t hash = 14695981039346656037u; // FNV-1a
    for (const char c : name) {
        if (const char k = keyByte(c)) {
            hash ^= static_cast<unsigned char>(k);
            hash *= 1099511628211u;
        }
    }
    return hash;
}

bool sameNameKey(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        while (i < a.size() && !keyByte(a[i]))
            ++i;
        while (j < b.size() && !keyByte(b[j]))
            ++j;
        if (i == a.size() || j == b.size())
            return i == a.size() && j == b.size();
        if (keyByte(a[i++]) != keyByte(b[j++]))
            return false;
    }
}

std::string nameKey(std::string_view name)
{
    std::string key;
    key.reserve(name.size());
    for (const char c : name) {
        if (const char k = keyByte(c))
            key += k;
    }
    return key;
}

namespace {

// Levenshtein distance; neither the standard library nor the project's
// libraries offer one.
std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t {0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitution});
        }
    }
    return row[b.size()];
}

} // namespace

std::vector<std::string> closestNames(std::string_view wanted, const std::vector<std::string>& names, std::size_t count)
{
    // No slip of the keyboard is this long, and the distance costs the
    // product of the lengths for every name.
    constexpr std::size_t kLongestSlip = 100;
    if (wanted.size() > kLongestSlip)
        return {};
    const std::string key = nameKey(wanted);
    const std::size_t tolerance = std::max<std::size_t>(2, key.size() / 3);
    std::vector<std::pair<std::size_t, const std::string*>> near;
    for (const std::string& name : names) {
        const std::string candidate = nameKey(name);
        const std::size_t distance = editDistance(key, candidate);
        // A name that starts with what was typed counts as near too.
        if (distance <= tolerance || (!key.empty() && candidate.starts_with(key)))
            near.emplace_back(distance, &name);
    }
    std::ranges::stable_sort(near, {}, &std::pair<std::size_t, const std::string*>::first);
    std::vector<std::string> closest;
    for (std::size_t i = 0; i < near.size() && i < count; ++i)
        closest.push_back(*near[i].second);
    return closest;
}

} // namespace velmora::optics
