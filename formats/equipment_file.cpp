#include "equipment_file.h"

#include "csv_catalogue.h"
#include "input_error.h"
#include "oal_xml.h"
#include "oculars_ini.h"
#include "text_file.h"

#include <array>

namespace velmora::formats {

namespace {

struct FormatName {
    EquipmentFormat format;
    std::string_view name;
};

constexpr std::array<FormatName, 3> kFormatNames = {{
    {EquipmentFormat::Csv, "csv"},
    {EquipmentFormat::OcularsIni, "oculars-ini"},
    {EquipmentFormat::Oal, "oal"},
}};

} // namespace

std::string_view formatName(EquipmentFormat format)
{
    for (const FormatName& entry : kFormatNames) {
        if (entry.format == format)
            return entry.name;
    }
    return {};
}

std::optional<EquipmentFormat> findEquipmentFormat(std::string_view name)
{
    for (const FormatName& entry : kFormatNames) {
        if (entry.name == name)
            return entry.format;
    }
    return std::nullopt;
}

EquipmentFormat formatOf(std::string_view text)
{
    text = withoutByteOrderMark(text);
    // The first line that is not blank or a comment decides.
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == ';' || line[first] == '#')
            continue;
        if (line[first] == '<')
            return EquipmentFormat::Oal;
        if (line[first] == '[')
            return EquipmentFormat::OcularsIni;
        return EquipmentFormat::Csv;
    }
    return EquipmentFormat::Csv;
}

namespace {

// Windows tools may save a file as UTF-16: a byte-order mark, or ASCII with
// a zero byte beside every character.
bool looksUtf16(std::string_view text)
{
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return true;
    return text.size() >= 4 && (text[0] == '\0') != (text[1] == '\0') && (text[2] == '\0') != (text[3] == '\0');
}

} // namespace

std::vector<std::string> readEquipmentOnto(
    std::string_view text, const std::string& path, optics::EquipmentCatalogue& catalogue)
{
    if (looksUtf16(text))
        throw InputError(path + ":1: the file is UTF-16; save it as UTF-8");
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        throw InputError(path + ":1: the file is empty");
    const auto entries = [&catalogue] {
        const auto& c = catalogue;
        return c.telescopes.items().size() + c.telescopes.replacements().size() + c.cameras.items().size() +
            c.cameras.replacements().size() + c.lenses.items().size() + c.lenses.replacements().size();
    };
    const std::size_t before = entries();
    std::vector<std::string> warnings;
    switch (formatOf(text)) {
    case EquipmentFormat::Oal:
        readOal(text, path, catalogue, warnings);
        break;
    case EquipmentFormat::OcularsIni:
        readOcularsIni(text, path, catalogue, warnings);
        break;
    case EquipmentFormat::Csv:
        addCsvCatalogue(catalogue, text, path);
        break;
    }
    if (entries() == before)
        warnings.push_back(path + ": holds no telescope, camera or lens");
    return warnings;
}

EquipmentFile readEquipment(std::string_view text, const std::string& path)
{
    EquipmentFile file;
    file.warnings = readEquipmentOnto(text, path, file.catalogue);
    return file;
}

std::string equipmentText(const optics::EquipmentCatalogue& catalogue, EquipmentFormat format)
{
    switch (format) {
    case EquipmentFormat::Oal:
        return oalText(catalogue);
    case EquipmentFormat::OcularsIni:
        return ocularsIniText(catalogue);
    case EquipmentFormat::Csv:
        break;
    }
    return csvCatalogueText(catalogue);
}

} // namespace velmora::formats
