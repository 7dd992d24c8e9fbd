#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sky {

// The kinds --type filters by; an object may belong to more than one (a
// cluster with its nebula).
enum DeepSkyFamily : unsigned {
    kGalaxy = 1,
    kNebula = 2,
    kCluster = 4,
    kPlanetary = 8,
    kStar = 16,
    kOtherKind = 32,
};

// One type code of the deep-sky catalogue, in words and by family.
struct DeepSkyType {
    std::string_view code;
    std::string_view words;
    unsigned families;
};

// The type with this code, or none for a code the catalogue does not define.
const DeepSkyType* findDeepSkyType(std::string_view code);

// The family named by a word of --type ("galaxy", "nebula"...), or 0.
unsigned findDeepSkyFamily(std::string_view word);
std::vector<std::string> deepSkyFamilyWords();
// The words of the families set in `families`, "cluster, nebula".
std::string deepSkyFamilyText(unsigned families);

// An object of the deep-sky catalogue, with its J2000 place and its size
// as the catalogue gives them; what the catalogue leaves empty stays empty.
struct DeepSkyObject {
    std::string name; // the catalogue's own, "NGC0224"
    const DeepSkyType* type;
    std::string rightAscension; // "00:42:44.35", as written there; empty when unknown
    std::string declination; // "+41:16:08.6"
    std::optional<double> rightAscensionDeg; // both or neither
    std::optional<double> declinationDeg;
    std::optional<double> majorAxis; // arcminutes
    std::optional<double> minorAxis;
    std::optional<double> positionAngle; // degrees, north through east
    std::optional<double> magnitude; // V, else B
    char magnitudeBand = 0; // 'V' or 'B', the magnitude's
    int messier = 0; // 0 when none
    std::string ngc; // the NGC or IC number it also bears, "0651"
    std::string ic;
    std::vector<std::string> commonNames;
    std::string duplicateOf; // for a duplicate entry, the name it repeats

    // "M31 (NGC 224, Andromeda Galaxy)" style: the names people use first.
    std::string displayName() const;
};

} // namespace velmora::sky
