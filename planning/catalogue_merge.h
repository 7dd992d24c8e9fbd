#pragma once

#include "optics/equipment_catalogue.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora::planning {

// What a merge has to say as it goes: a file reader's own words (pixel
// sizes that disagree, a file with nothing usable), or an entry that
// replaced an earlier one of the same name, which each front end words.
struct MergeNote {
    enum class Kind { Telescope, Camera, Lens };
    std::string readerSaid; // empty for a replacement
    Kind kind = Kind::Telescope;
    std::string name; // the entry's
    std::string path; // the file it came from
    std::optional<std::string> replaced; // the file of the entry it replaced; none for the built-in catalogue
};

// The built-in catalogue with user catalogues added in their order: a later
// file's entry replaces an earlier one of the same name. What deserves a
// word is passed to `note` as it is found, so that what came before a file
// that cannot be read (which throws Refusal) is still said.
optics::EquipmentCatalogue mergeCatalogues(
    const std::vector<std::string>& paths, const std::function<void(const MergeNote&)>& note);

} // namespace velmora::planning
