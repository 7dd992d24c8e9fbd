#include "deep_sky.h"

#include <algorithm>
#include <array>
#include <string>

namespace velmora::sky {

namespace {

// The catalogue's type codes, as its documentation defines them.
constexpr std::array<DeepSkyType, 21> kTypes = {{
    {"*", "star", kStar},
    {"**", "double star", kStar},
    {"*Ass", "association of stars", kCluster},
    {"OCl", "open cluster", kCluster},
    {"GCl", "globular cluster", kCluster},
    {"Cl+N", "star cluster with nebula", kCluster | kNebula},
    {"G", "galaxy", kGalaxy},
    {"GPair", "galaxy pair", kGalaxy},
    {"GTrpl", "galaxy triplet", kGalaxy},
    {"GGroup", "group of galaxies", kGalaxy},
    {"PN", "planetary nebula", kPlanetary | kNebula},
    {"HII", "HII ionized region", kNebula},
    {"DrkN", "dark nebula", kNebula},
    {"EmN", "emission nebula", kNebula},
    {"Neb", "nebula", kNebula},
    {"RfN", "reflection nebula", kNebula},
    {"SNR", "supernova remnant", kNebula},
    {"Nova", "nova", kStar},
    {"NonEx", "nonexistent object", kOtherKind},
    {"Other", "other object", kOtherKind},
    {"Dup", "duplicate entry", kOtherKind},
}};

struct FamilyWord {
    std::string_view word;
    DeepSkyFamily family;
};

constexpr std::array<FamilyWord, 6> kFamilies = {{
    {"galaxy", kGalaxy},
    {"nebula", kNebula},
    {"cluster", kCluster},
    {"planetary", kPlanetary},
    {"star", kStar},
    {"other", kOtherKind},
}};

} // namespace

const DeepSkyType* findDeepSkyType(std::string_view code)
{
    const auto found = std::ranges::find(kTypes, code, &DeepSkyType::code);
    return found == kTypes.end() ? nullptr : &*found;
}

unsigned findDeepSkyFamily(std::string_view word)
{
    const auto found = std::ranges::find(kFamilies, word, &FamilyWord::word);
    return found == kFamilies.end() ? 0U : unsigned {found->family};
}

std::vector<std::string> deepSkyFamilyWords()
{
    std::vector<std::string> words;
    for (const FamilyWord& family : kFamilies)
        words.emplace_back(family.word);
    return words;
}

std::string deepSkyFamilyText(unsigned families)
{
    std::string text;
    for (const FamilyWord& family : kFamilies) {
        if (families & family.family)
            text += (text.empty() ? "" : ", ") + std::string(family.word);
    }
    return text;
}

} // namespace velmora::sky
