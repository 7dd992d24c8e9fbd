#include "equipment_catalogue.h"

#include "presets/catalogue.h"
#include "strict_number.h"
#include "usage_error.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace velmora::cli {

namespace {

constexpr std::string_view kHeader = "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px";
constexpr std::array<std::string_view, 7> kColumns = {
    "kind", "name", "aperture_mm", "focal_length_mm", "pixel_um", "width_px", "height_px"};

std::string withoutMenuPrefix(std::string_view name)
{
    return std::string(name.starts_with("mnu") ? name.substr(3) : name);
}

bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](unsigned char c) { return static_cast<char>(std::tolower(c)); };
    return std::ranges::equal(a, b, {}, lower, lower);
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

// One data line; a fault throws UsageError without the line number, which
// the caller adds.
void addLine(EquipmentCatalogue& catalogue, std::string_view line)
{
    const std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() != kColumns.size())
        throw UsageError("expected " + std::to_string(kColumns.size()) + " comma-separated columns, found " +
            std::to_string(fields.size()));
    const std::string_view kind = fields[0];
    const std::string name(fields[1]);
    if (name.empty())
        throw UsageError("the name is empty");
    const auto number = [&](std::size_t column) { return positiveNumber(fields[column], kColumns[column]); };
    const auto whole = [&](std::size_t column) { return positiveWholeNumber(fields[column], kColumns[column]); };
    const auto mustBeEmpty = [&](std::initializer_list<std::size_t> columns) {
        for (const std::size_t column : columns) {
            if (!fields[column].empty())
                throw UsageError(std::string(kColumns[column]) + " must stay empty for a " + std::string(kind));
        }
    };
    if (kind == "telescope") {
        mustBeEmpty({4, 5, 6});
        if (findTelescope(catalogue, name))
            throw UsageError("a telescope named '" + name + "' exists already");
        catalogue.telescopes.push_back({name, number(2), number(3)});
    } else if (kind == "camera") {
        mustBeEmpty({2, 3});
        if (findCamera(catalogue, name))
            throw UsageError("a camera named '" + name + "' exists already");
        catalogue.cameras.push_back({name, number(4), whole(5), whole(6)});
    } else {
        throw UsageError("kind '" + std::string(kind) + "' is neither telescope nor camera");
    }
}

} // namespace

EquipmentCatalogue builtInCatalogue()
{
    EquipmentCatalogue catalogue;
    for (const Telescope& t : kTelescopes)
        catalogue.telescopes.push_back({withoutMenuPrefix(t.name), double(t.aperture), double(t.focalLength)});
    for (const Camera& c : kCameras)
        catalogue.cameras.push_back({withoutMenuPrefix(c.name), c.pixelSize, double(c.width), double(c.height)});
    return catalogue;
}

void addUserCatalogue(EquipmentCatalogue& catalogue, const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw UsageError("--catalogue: cannot read '" + path + "'");
    EquipmentCatalogue extended = catalogue;
    std::string line;
    int lines = 0;
    for (int number = 1; std::getline(file, line); ++number) {
        ++lines;
        if (line.ends_with('\r'))
            line.pop_back();
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (number == 1) {
            if (line != kHeader)
                throw UsageError(where + "the header must be " + std::string(kHeader));
            continue;
        }
        if (line.empty())
            continue;
        try {
            addLine(extended, line);
        } catch (const UsageError& error) {
            throw UsageError(where + error.what());
        }
    }
    if (file.bad())
        throw UsageError("--catalogue: cannot read '" + path + "'");
    if (lines == 0)
        throw UsageError(path + ":1: the header must be " + std::string(kHeader));
    catalogue = std::move(extended);
}

const TelescopeEntry* findTelescope(const EquipmentCatalogue& catalogue, std::string_view name)
{
    const auto found = std::ranges::find_if(catalogue.telescopes, [&](const auto& t) { return sameName(t.name, name); });
    return found != catalogue.telescopes.end() ? &*found : nullptr;
}

const CameraEntry* findCamera(const EquipmentCatalogue& catalogue, std::string_view name)
{
    const auto found = std::ranges::find_if(catalogue.cameras, [&](const auto& c) { return sameName(c.name, name); });
    return found != catalogue.cameras.end() ? &*found : nullptr;
}

} // namespace velmora::cli
