#include "csv_catalogue.h"

#include "csv_records.h"
#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"

#include <array>
#include <initializer_list>

namespace velmora::formats {

namespace {

constexpr std::array<std::string_view, 7> kColumns = {
    "kind", "name", "aperture_mm", "focal_length_mm", "pixel_um", "width_px", "height_px"};

// One record; a fault throws InputError without the place, which the
// caller adds.
void addRecord(optics::EquipmentCatalogue& catalogue, const std::vector<std::string>& fields)
{
    if (fields.size() != kColumns.size())
        throw InputError("expected " + std::to_string(kColumns.size()) + " comma-separated columns, found " +
            std::to_string(fields.size()));
    const std::string& kind = fields[0];
    const std::string& name = fields[1];
    if (name.empty())
        throw InputError("the name is empty");
    if (!isValidUtf8(name))
        throw InputError("the name is not valid UTF-8");
    const auto number = [&](std::size_t column, NumberKind numberKind) {
        try {
            return strictNumber(fields[column], numberKind);
        } catch (const InputError& error) {
            throw InputError(std::string(kColumns[column]) + ": " + error.what());
        }
    };
    const auto mustBeEmpty = [&](std::initializer_list<std::size_t> columns) {
        for (const std::size_t column : columns) {
            if (!fields[column].empty())
                throw InputError(std::string(kColumns[column]) + " must stay empty for a " + kind);
        }
    };
    if (kind == "telescope") {
        mustBeEmpty({4, 5, 6});
        if (!catalogue.telescopes.add({name, number(2, NumberKind::Positive), number(3, NumberKind::Positive)}))
            throw InputError("a telescope named " + echoed(name) + " exists already");
    } else if (kind == "camera") {
        mustBeEmpty({2, 3});
        if (!catalogue.cameras.add({name, number(4, NumberKind::Positive), number(5, NumberKind::PositiveWhole),
                number(6, NumberKind::PositiveWhole)}))
            throw InputError("a camera named " + echoed(name) + " exists already");
    } else {
        throw InputError("kind " + echoed(kind) + " is neither telescope nor camera");
    }
}

std::string joined(const std::vector<std::string>& fields)
{
    std::string text;
    for (const std::string& field : fields)
        text += (text.empty() ? "" : ",") + field;
    return text;
}

} // namespace

void addCsvCatalogue(optics::EquipmentCatalogue& catalogue, std::string_view text, const std::string& path)
{
    const std::vector<CsvRecord> records = csvRecords(text, path);
    if (records.empty() || records.front().line != 1 || joined(records.front().fields) != kCatalogueCsvHeader)
        throw InputError(path + ":1: the header must be " + std::string(kCatalogueCsvHeader));
    optics::EquipmentCatalogue extended = catalogue;
    for (std::size_t i = 1; i < records.size(); ++i) {
        try {
            addRecord(extended, records[i].fields);
        } catch (const InputError& error) {
            throw InputError(path + ":" + std::to_string(records[i].line) + ": " + error.what());
        }
    }
    catalogue = std::move(extended);
}

} // namespace velmora::formats
