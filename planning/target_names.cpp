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

} // namespace

std::vector<std::string> targetNames(const sky::DeepSkyCatalogue& catalogue)
{
    std::vector<std::string> names;
    for (const sky::DeepSkyObject& object : catalogue.objects()) {
        if (!object.duplicateOf.empty())
            continue;
        if (object.messier)
            names.push_back("M" + std::to_string(object.messier));
        if (!object.ngc.empty())
            names.push_back(numbered("NGC", object.ngc));
        if (!object.ic.empty())
            names.push_back(numbered("IC", object.ic));
        if (object.name.starts_with("NGC"))
            names.push_back(numbered("NGC", object.name.substr(3)));
        else if (object.name.starts_with("IC"))
            names.push_back(numbered("IC", object.name.substr(2)));
        else
            names.push_back(object.name);
        names.insert(names.end(), object.commonNames.begin(), object.commonNames.end());
    }
    std::ranges::sort(names);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::erase_if(names, [&catalogue](const std::string& name) { return !catalogue.find(name); });
    return names;
}

} // namespace velmora::planning
