#include "deep_sky_catalogue.h"

#include "optics/name_match.h"

#include <cctype>

namespace velmora::sky {

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The text with each run of digits written without its leading zeros.
std::string trimmedNumbers(std::string_view text)
{
    std::string trimmed;
    trimmed.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A zero is dropped while nothing but zeros of its run came before
        // it and another digit follows.
        const bool runStart = trimmed.empty() || !isDigit(trimmed.back());
        if (text[i] == '0' && runStart && i + 1 < text.size() && isDigit(text[i + 1]))
            continue;
        trimmed += text[i];
    }
    return trimmed;
}

} // namespace

std::string designationKey(std::string_view name)
{
    return trimmedNumbers(optics::nameKey(name));
}

std::string DeepSkyObject::displayName() const
{
    std::string shown = messier ? "M" + std::to_string(messier) + " / " : "";
    // The catalogue writes numbers with leading zeros; people do not.
    shown += trimmedNumbers(name);
    if (!commonNames.empty())
        shown += " (" + commonNames.front() + ")";
    return shown;
}

void DeepSkyCatalogue::add(DeepSkyObject object)
{
    const std::size_t at = objects_.size();
    const auto index = [&](const std::string& name) {
        if (!name.empty() && index_.emplace(designationKey(name), at).second)
            names_.push_back(name);
    };
    index(object.name);
    // A duplicate entry's other numbers name the object it repeats.
    if (object.type->code == "Dup") {
        if (!object.ngc.empty())
            object.duplicateOf = "NGC" + object.ngc;
        else if (!object.ic.empty())
            object.duplicateOf = "IC" + object.ic;
        else if (object.messier)
            object.duplicateOf = "M" + std::to_string(object.messier);
    } else {
        if (object.messier)
            index("M" + std::to_string(object.messier));
        for (const std::string& common : object.commonNames)
            index(common);
    }
    objects_.push_back(std::move(object));
}

const DeepSkyObject* DeepSkyCatalogue::findOwn(std::string_view name) const
{
    const auto found = index_.find(designationKey(name));
    return found == index_.end() ? nullptr : &objects_[found->second];
}

const DeepSkyObject* DeepSkyCatalogue::find(std::string_view name) const
{
    const DeepSkyObject* object = findOwn(name);
    // A chain of duplicates is followed a few steps, never round a loop.
    for (int step = 0; object && !object->duplicateOf.empty() && step < 4; ++step)
        object = findOwn(object->duplicateOf);
    return object && object->duplicateOf.empty() ? object : nullptr;
}

std::vector<std::string> DeepSkyCatalogue::closest(std::string_view name) const
{
    return optics::closestNames(name, names_);
}

} // namespace velmora::sky
