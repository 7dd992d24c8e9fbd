#pragma once

#include "equipment.h"
#include "name_match.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::optics {

// Equipment of one kind, in the order it was added, found by name with
// nameKey's matching. The index is an open-addressed table of positions,
// hashed by key and compared without building keys, so that a catalogue of
// a million entries loads in linear time and in little more room than the
// entries themselves.
template <typename Item> class Shelf {
public:
    // False, and nothing added, when the name or an alias is taken; but
    // in a layer, an item without aliases whose name an entry from before
    // the layer has takes that entry's place, once.
    bool add(Item item, std::initializer_list<std::string_view> aliases = {})
    {
        if (const std::uint32_t found = locate(item.name).second; found != kEmpty && aliases.size() == 0) {
            const std::size_t position = positionOf(found);
            if (position >= layerStart_ || replacedInLayer_[position])
                return false;
            replacedInLayer_[position] = true;
            replacements_.push_back({position, !(items_[position] == item)});
            items_[position] = std::move(item);
            return true;
        }
        std::vector<std::string_view> names {item.name};
        for (const std::string_view alias : aliases) {
            if (std::ranges::none_of(names, [&](std::string_view name) { return sameNameKey(name, alias); }))
                names.push_back(alias);
        }
        if (std::ranges::any_of(names, [this](std::string_view name) { return locate(name).second != kEmpty; }))
            return false;
        const auto position = static_cast<std::uint32_t>(items_.size());
        for (std::size_t i = 1; i < names.size(); ++i) {
            aliases_.emplace_back(std::string(names[i]), position);
            enter(kAlias | static_cast<std::uint32_t>(aliases_.size() - 1));
        }
        items_.push_back(std::move(item));
        enter(position);
        return true;
    }

    // Adds the item, or puts it in the place of the one of the same name;
    // gives its position.
    std::size_t put(Item item)
    {
        if (const std::uint32_t found = locate(item.name).second; found != kEmpty) {
            items_[positionOf(found)] = std::move(item);
            return positionOf(found);
        }
        add(std::move(item));
        return items_.size() - 1;
    }

    const Item* find(std::string_view name) const
    {
        const std::uint32_t found = locate(name).second;
        return found != kEmpty ? &items_[positionOf(found)] : nullptr;
    }

    std::vector<std::string> closest(std::string_view name) const
    {
        std::vector<std::string> names;
        for (const Item& item : items_)
            names.push_back(item.name);
        return closestNames(name, names);
    }
    const std::vector<Item>& items() const { return items_; }

    // Starts a layer: what is added from here on may replace what came
    // before, as a later file's entries replace an earlier one's.
    void beginLayer()
    {
        layerStart_ = items_.size();
        replacedInLayer_.assign(layerStart_, false);
        replacements_.clear();
    }
    struct Replacement {
        std::size_t position;
        bool differs; // from the entry it replaced
    };
    const std::vector<Replacement>& replacements() const { return replacements_; }
    // Room for `count` items in all, so that none is moved while they come.
    void reserve(std::size_t count)
    {
        items_.reserve(count);
        if (count * 2 > slots_.size())
            rehash(std::bit_ceil(count * 2));
    }

private:
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
    static constexpr std::uint32_t kAlias = 0x80000000; // marks an alias's number

    std::string_view nameOf(std::uint32_t entry) const
    {
        return entry & kAlias ? std::string_view(aliases_[entry & ~kAlias].first) : items_[entry].name;
    }
    std::size_t positionOf(std::uint32_t entry) const
    {
        return entry & kAlias ? aliases_[entry & ~kAlias].second : entry;
    }
    // The slot holding the name's entry, or the empty slot where it would go.
    std::pair<std::size_t, std::uint32_t> locate(std::string_view name) const
    {
        if (slots_.empty())
            return {0, kEmpty};
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t slot = nameKeyHash(name) & mask;; slot = (slot + 1) & mask) {
            if (slots_[slot] == kEmpty || sameNameKey(nameOf(slots_[slot]), name))
                return {slot, slots_[slot]};
        }
    }
    // Enters an entry whose name is not yet in the table, kept at most half full.
    void enter(std::uint32_t entry)
    {
        if ((entries_ + 1) * 2 > slots_.size())
            rehash(std::max<std::size_t>(16, slots_.size() * 2));
        slots_[locate(nameOf(entry)).first] = entry;
        ++entries_;
    }
    void rehash(std::size_t count)
    {
        std::vector<std::uint32_t> old(count, kEmpty);
        old.swap(slots_);
        entries_ = 0;
        for (const std::uint32_t kept : old) {
            if (kept != kEmpty)
                enter(kept);
        }
    }

    std::vector<Item> items_;
    std::vector<std::pair<std::string, std::uint32_t>> aliases_; // other names and the positions they name
    std::vector<std::uint32_t> slots_;
    std::size_t entries_ = 0;
    std::size_t layerStart_ = 0;
    std::vector<bool> replacedInLayer_;
    std::vector<Replacement> replacements_;
};

// The equipment a front end can choose from.
struct EquipmentCatalogue {
    Shelf<Telescope> telescopes;
    Shelf<Camera> cameras;
    Shelf<Lens> lenses;
};

} // namespace velmora::optics
