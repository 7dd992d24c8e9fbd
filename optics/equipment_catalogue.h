#pragma once

#include "equipment.h"
#include "name_match.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::optics {

// Equipment of one kind, in the order it was added, found by name with
// nameKey's matching. Each addition and look-up is one hash probe, so that
// catalogues of any size load in linear time.
template <typename Item> class Shelf {
public:
    // False, and nothing added, when the name or an alias is taken.
    bool add(Item item, std::initializer_list<std::string_view> aliases = {})
    {
        std::vector<std::string> keys {nameKey(item.name)};
        for (const std::string_view alias : aliases) {
            if (std::string key = nameKey(alias); std::ranges::find(keys, key) == keys.end())
                keys.push_back(std::move(key));
        }
        for (const std::string& key : keys) {
            if (index_.contains(key))
                return false;
        }
        for (std::string& key : keys)
            index_.emplace(std::move(key), items_.size());
        names_.push_back(item.name);
        items_.push_back(std::move(item));
        return true;
    }

    // Adds the item, or puts it in the place of the one of the same name.
    void put(Item item)
    {
        if (const auto found = index_.find(nameKey(item.name)); found != index_.end()) {
            names_[found->second] = item.name;
            items_[found->second] = std::move(item);
            return;
        }
        add(std::move(item));
    }

    const Item* find(std::string_view name) const
    {
        const auto found = index_.find(nameKey(name));
        return found != index_.end() ? &items_[found->second] : nullptr;
    }

    std::vector<std::string> closest(std::string_view name) const { return closestNames(name, names_); }
    const std::vector<Item>& items() const { return items_; }

private:
    std::vector<Item> items_;
    std::vector<std::string> names_;
    std::unordered_map<std::string, std::size_t> index_;
};

// The equipment a front end can choose from.
struct EquipmentCatalogue {
    Shelf<Telescope> telescopes;
    Shelf<Camera> cameras;
    Shelf<Lens> lenses;
};

// The window's telescopes and cameras under the names their menus show;
// the menus' object names without "mnu" are accepted as aliases.
EquipmentCatalogue builtInCatalogue();

} // namespace velmora::optics
