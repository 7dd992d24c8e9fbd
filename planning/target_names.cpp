#include "target_names.h"

#include <algorithm>

namespace velmora::planning {

namespace {

// "NGC 224" of "0224".
std::string numbered(const char* prefix, const std::string& digits)
{
    const auto first = digits.find_first_not_of('0');
    return std::string(prefix) + " " + (first == std::string::npos ? digits : digits.substr(first));
}

// "B33" of "B033": the catalogue pads its numbers, people do not.
std::string unpadded(const std::string& name)
{
    const auto digits = name.find_first_of("0123456789");
    if (digits == std::string::npos)
        return name;
    const auto first = name.find_first_not_of('0', digits);
    return name.substr(0, digits) + (first == std::string::npos ? "0" : name.substr(first));
}

} // namespace

std::vector<std::string> targetNames(const sky::DeepSkyCatalogue& catalogue)
{
    std::vector<std::string> names;
    for (const sky::DeepSkyObject& object : catalogue.objects()) {
        if (!object.duplicateOf.empty())
            continue;
        // The NGC and IC numbers an object also bears are the own names
        // of entries that lead to it; their own names are offered there.
        if (object.messier)
            names.push_back("M" + std::to_string(object.messier));
        if (object.name.starts_with("NGC"))
            names.push_back(numbered("NGC", object.name.substr(3)));
        else if (object.name.starts_with("IC"))
            names.push_back(numbered("IC", object.name.substr(2)));
        else
            names.push_back(unpadded(object.name));
        names.insert(names.end(), object.commonNames.begin(), object.commonNames.end());
    }
    std::ranges::sort(names);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace velmora::planning
