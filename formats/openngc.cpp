#include "openngc.h"

#include "csv_records.h"
#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace velmora::formats {

namespace {

enum Column { kName, kType, kRa, kDec, kMajor, kMinor, kAngle, kBMag, kVMag, kMessier, kNgc, kIc, kCommonNames };

// The columns read, by the header's names; the others are left alone.
constexpr std::array<std::string_view, 13> kColumnNames = {
    "Name", "Type", "RA", "Dec", "MajAx", "MinAx", "PosAng", "B-Mag", "V-Mag", "M", "NGC", "IC", "Common names"};

using Columns = std::array<std::size_t, kColumnNames.size()>;

Columns findColumns(const CsvRecord& header, const std::string& path)
{
    Columns columns {};
    for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
        const auto found = std::ranges::find(header.fields, kColumnNames[i]);
        if (found == header.fields.end())
            throw InputError(path + ":" + std::to_string(header.line) + ": the header has no column '" +
                std::string(kColumnNames[i]) + "'");
        columns[i] = static_cast<std::size_t>(found - header.fields.begin());
    }
    return columns;
}

// A whole number of a sexagesimal field, within its bounds.
bool readPart(std::string_view& text, int digits, int most, int& value)
{
    if (text.size() < std::size_t(digits))
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + digits, value);
    if (error != std::errc() || end != text.data() + digits || value > most)
        return false;
    text.remove_prefix(std::size_t(digits));
    return true;
}

// "HH:MM:SS.ss" or "+DD:MM:SS.s" in degrees, or none when it is malformed.
std::optional<double> sexagesimal(std::string_view text, bool hours)
{
    double sign = 1;
    if (!hours) {
        if (text.empty() || (text[0] != '+' && text[0] != '-'))
            return std::nullopt;
        sign = text[0] == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    int whole = 0, minutes = 0;
    if (!readPart(text, 2, hours ? 23 : 90, whole) || !text.starts_with(':'))
        return std::nullopt;
    text.remove_prefix(1);
    if (!readPart(text, 2, 59, minutes) || !text.starts_with(':'))
        return std::nullopt;
    text.remove_prefix(1);
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || text[0] == '-' || error != std::errc() || end != text.data() + text.size() || seconds >= 60)
        return std::nullopt;
    const double degrees = (whole + minutes / 60.0 + seconds / 3600.0) * (hours ? 15 : 1);
    if (!hours && degrees > 90)
        return std::nullopt;
    return sign * degrees;
}

std::vector<std::string> commonNames(const std::string& field)
{
    std::vector<std::string> names;
    for (std::size_t start = 0; start < field.size();) {
        const std::size_t comma = std::min(field.find(',', start), field.size());
        if (comma > start)
            names.push_back(field.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

// One line into an object; `fail` throws with the line's place.
template <typename Fail> sky::DeepSkyObject objectOf(const CsvRecord& record, const Columns& columns, Fail fail)
{
    const auto field = [&](Column column) -> const std::string& { return record.fields[columns[column]]; };
    const auto number = [&](Column column, bool positive) -> std::optional<double> {
        if (field(column).empty())
            return std::nullopt;
        try {
            return strictNumber(field(column), positive ? NumberKind::Positive : NumberKind::Finite);
        } catch (const InputError& error) {
            fail(std::string(kColumnNames[column]) + " " + error.what());
        }
        return std::nullopt;
    };
    if (!isValidUtf8(field(kName)) || !isValidUtf8(field(kCommonNames)))
        fail("a name is not UTF-8");
    sky::DeepSkyObject object;
    object.name = field(kName);
    if (object.name.empty())
        fail("the object has no name");
    object.type = sky::findDeepSkyType(field(kType));
    if (!object.type)
        fail("unknown type " + echoed(field(kType)));
    if (!field(kRa).empty() || !field(kDec).empty()) {
        object.rightAscensionDeg = sexagesimal(field(kRa), true);
        object.declinationDeg = sexagesimal(field(kDec), false);
        if (!object.rightAscensionDeg || !object.declinationDeg)
            fail("RA " + echoed(field(kRa)) + " and Dec " + echoed(field(kDec)) +
                " are not HH:MM:SS.ss and +DD:MM:SS.s");
        object.rightAscension = field(kRa);
        object.declination = field(kDec);
    }
    object.majorAxis = number(kMajor, true);
    object.minorAxis = number(kMinor, true);
    object.positionAngle = number(kAngle, false);
    const auto visual = number(kVMag, false);
    const auto blue = number(kBMag, false);
    object.magnitude = visual ? visual : blue;
    if (const auto messier = number(kMessier, true)) {
        if (*messier != std::floor(*messier) || *messier > 110)
            fail("M " + echoed(field(kMessier)) + " is not a Messier number");
        object.messier = static_cast<int>(*messier);
    }
    object.ngc = field(kNgc);
    object.ic = field(kIc);
    object.commonNames = commonNames(field(kCommonNames));
    return object;
}

} // namespace

void addOpenNgc(sky::DeepSkyCatalogue& catalogue, std::string_view text, const std::string& path)
{
    const std::vector<CsvRecord> records = csvRecords(text, path, ';');
    if (records.empty())
        throw InputError(path + ":1: the file is empty");
    // The files end with a line end; without one the last line may be cut short.
    if (!text.ends_with('\n'))
        throw InputError(path + ":" + std::to_string(records.back().line) + ": the file ends in the middle of a line");
    const Columns columns = findColumns(records.front(), path);
    const std::size_t needed = *std::ranges::max_element(columns) + 1;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        const auto fail = [&](const std::string& why) {
            throw InputError(path + ":" + std::to_string(record.line) + ": " + why);
        };
        if (record.fields.size() < needed)
            fail("the line has " + std::to_string(record.fields.size()) + " fields, not the header's " +
                std::to_string(records.front().fields.size()));
        catalogue.add(objectOf(record, columns, fail));
    }
}

sky::DeepSkyCatalogue loadOpenNgc(const std::string& folder)
{
    sky::DeepSkyCatalogue catalogue;
    for (const std::string_view file : kOpenNgcFiles) {
        const std::string path = folder + "/" + std::string(file);
        addOpenNgc(catalogue, readRegularFile(path), path);
    }
    return catalogue;
}

} // namespace velmora::formats
