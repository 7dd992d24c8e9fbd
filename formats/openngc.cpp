#include "openngc.h"

#include "csv_records.h"
#include "input_error.h"
#include "mapped_file.h"
#include "strict_number.h"
#include "text_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace velmora::formats {

namespace {

enum Column { kName, kType, kRa, kDec, kMajor, kMinor, kAngle, kBMag, kVMag, kMessier, kNgc, kIc, kCommonNames };

// The columns read, by the header's names; the others are left alone.
constexpr std::array<std::string_view, 13> kColumnNames = {
    "Name", "Type", "RA", "Dec", "MajAx", "MinAx", "PosAng", "B-Mag", "V-Mag", "M", "NGC", "IC", "Common names"};

using Columns = std::array<std::size_t, kColumnNames.size()>;

Columns findColumns(const CsvView& header, const std::string& path)
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

// Two digits of a sexagesimal field, at most `most`. Read by hand: from_chars
// costs more than the rest of a line, and every line has six such parts.
bool readPart(std::string_view& text, int most, int& value)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() < 2 || !digit(text[0]) || !digit(text[1]))
        return false;
    value = (text[0] - '0') * 10 + (text[1] - '0');
    text.remove_prefix(2);
    return value <= most;
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
    int whole = 0, minutes = 0, seconds = 0;
    if (!readPart(text, hours ? 23 : 90, whole) || !text.starts_with(':'))
        return std::nullopt;
    text.remove_prefix(1);
    if (!readPart(text, 59, minutes) || !text.starts_with(':'))
        return std::nullopt;
    text.remove_prefix(1);
    if (!readPart(text, 59, seconds))
        return std::nullopt;
    double fraction = 0, scale = 1;
    if (text.starts_with('.')) {
        text.remove_prefix(1);
        if (text.empty())
            return std::nullopt;
        for (; !text.empty() && text[0] >= '0' && text[0] <= '9'; text.remove_prefix(1))
            fraction = fraction * 10 + (text[0] - '0'), scale *= 10;
    }
    if (!text.empty())
        return std::nullopt;
    const double degrees = (whole + minutes / 60.0 + (seconds + fraction / scale) / 3600.0) * (hours ? 15 : 1);
    if (!hours && degrees > 90)
        return std::nullopt;
    return sign * degrees;
}

std::vector<std::string> commonNames(std::string_view field)
{
    std::vector<std::string> names;
    for (std::size_t start = 0; start < field.size();) {
        const std::size_t comma = std::min(field.find(',', start), field.size());
        if (comma > start)
            names.emplace_back(field.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

// One line into an object; `fail` throws with the line's place.
template <typename Fail> sky::DeepSkyObject objectOf(const CsvView& record, const Columns& columns, Fail fail)
{
    const auto field = [&](Column column) { return record.fields[columns[column]]; };
    const auto number = [&](Column column, bool positive) -> std::optional<double> {
        const std::string_view text = field(column);
        if (text.empty())
            return std::nullopt;
        // The catalogue's plain numbers directly; anything else through the
        // strict reading, which says what is wrong with it.
        double value = 0;
        const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
        if (read.ec == std::errc() && read.ptr == text.data() + text.size() && std::isfinite(value) &&
            (!positive || value > 0))
            return value;
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
    if (sky::designationKey(object.name).empty())
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
    object.magnitude = number(kVMag, false);
    object.magnitudeBand = object.magnitude ? 'V' : 0;
    if (!object.magnitude) {
        object.magnitude = number(kBMag, false);
        object.magnitudeBand = object.magnitude ? 'B' : 0;
    }
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

namespace {

std::size_t lineEnds(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
        ++count;
    return count;
}

} // namespace

void addOpenNgc(sky::DeepSkyCatalogue& catalogue, std::string_view text, const std::string& path)
{
    if (text.find_first_not_of("\r\n") == std::string_view::npos)
        throw InputError(path + ":1: the file is empty");
    // The files end with a line end; without one the last line may be cut short.
    if (!text.ends_with('\n'))
        throw InputError(path + ":" + std::to_string(lineEnds(text) + 1) + ": the file ends in the middle of a line");
    catalogue.reserve(lineEnds(text));
    // The header is read whole; of the other lines, the columns up to the last one read.
    const std::size_t headerEnd = text.find('\n') + 1;
    std::optional<Columns> columns;
    forEachCsvRecord(
        text.substr(0, headerEnd), path, ';', [&](const CsvView& header) { columns = findColumns(header, path); });
    if (!columns)
        throw InputError(path + ":1: the first line is blank, not the header");
    const std::size_t needed = *std::ranges::max_element(*columns) + 1;
    forEachCsvRecord(
        text.substr(headerEnd), path, ';',
        [&](const CsvView& record) {
            const auto fail = [&](const std::string& why) {
                throw InputError(path + ":" + std::to_string(record.line) + ": " + why);
            };
            if (record.fields.size() < needed)
                fail("the line has " + std::to_string(record.fields.size()) + " fields, fewer than the header's");
            catalogue.add(objectOf(record, *columns, fail));
        },
        needed, 2);
}

sky::DeepSkyCatalogue loadOpenNgc(const std::string& folder)
{
    sky::DeepSkyCatalogue catalogue;
    for (const std::string_view name : kOpenNgcFiles) {
        const std::string path = folder + "/" + std::string(name);
        const MappedFile file(path, kLargestInputFile);
        addOpenNgc(catalogue, file.text(), path);
    }
    return catalogue;
}

} // namespace velmora::formats
