#include "catalogue_merge.h"

#include "formats/equipment_file.h"
#include "formats/input_error.h"
#include "formats/text_file.h"
#include "presets/catalogue.h"
#include "refusal.h"

#include <cstdint>
#include <optional>

namespace velmora::planning {

namespace {

// The file each entry of a shelf came from, by position: an index into the
// catalogues' paths, or none for the built-in catalogue.
using Origins = std::vector<std::optional<std::uint32_t>>;

// After file number `file` was read onto `shelf` in a layer: which entries
// it brought, and a warning for each earlier one it replaced with another.
template <typename Item>
void noteLayer(const optics::Shelf<Item>& shelf, MergeNote::Kind kind, const std::vector<std::string>& paths,
    std::uint32_t file, Origins& origins, const std::function<void(const MergeNote&)>& note)
{
    for (const auto& replacement : shelf.replacements()) {
        const auto earlier = origins[replacement.position];
        if (replacement.differs)
            note({{}, kind, shelf.items()[replacement.position].name, paths[file],
                earlier ? std::optional(paths[*earlier]) : std::nullopt});
        origins[replacement.position] = file;
    }
    origins.resize(shelf.items().size(), file);
}

} // namespace

optics::EquipmentCatalogue mergeCatalogues(
    const std::vector<std::string>& paths, const std::function<void(const MergeNote&)>& note)
{
    // Each file is read straight onto what came before, in a layer of its
    // own: a catalogue of millions of entries is held once.
    optics::EquipmentCatalogue catalogue = builtInCatalogue();
    Origins telescopes(catalogue.telescopes.items().size());
    Origins cameras(catalogue.cameras.items().size());
    Origins lenses(catalogue.lenses.items().size());
    for (std::uint32_t number = 0; number < paths.size(); ++number) {
        const std::string& path = paths[number];
        catalogue.telescopes.beginLayer();
        catalogue.cameras.beginLayer();
        catalogue.lenses.beginLayer();
        try {
            for (std::string& warning : formats::readEquipmentOnto(formats::readRegularFile(path), path, catalogue)) {
                MergeNote said;
                said.readerSaid = std::move(warning);
                note(said);
            }
        } catch (const formats::InputError& error) {
            throw Refusal::aboutFile(Subject::Catalogue, error, path);
        }
        noteLayer(catalogue.telescopes, MergeNote::Kind::Telescope, paths, number, telescopes, note);
        noteLayer(catalogue.cameras, MergeNote::Kind::Camera, paths, number, cameras, note);
        noteLayer(catalogue.lenses, MergeNote::Kind::Lens, paths, number, lenses, note);
    }
    return catalogue;
}

} // namespace velmora::planning
