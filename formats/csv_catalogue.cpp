#include "csv_catalogue.h"

#include "camera_figures.h"
#include "csv_records.h"
#include "equipment_name.h"
#include "exact_number.h"
#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"

#include <array>
#include <cstring>
#include <initializer_list>

namespace velmora::formats {

namespace {

enum Column { kKind, kName, kAperture, kFocalLength, kPixel, kWidth, kHeight, kPixelHeight, kFactor };

constexpr std::array<std::string_view, 9> kColumns = {
    "kind", "name", "aperture_mm", "focal_length_mm", "pixel_um", "width_px", "height_px", "pixel_height_um", "factor"};
constexpr std::size_t kFirstHeaderColumns = 7; // the header before lenses and pixel heights

// One record; a fault throws InputError without the place, which the
// caller adds.
void addRecord(optics::EquipmentCatalogue& catalogue, const std::vector<std::string_view>& fields, std::size_t columns)
{
    if (fields.size() != columns)
        throw InputError(
            "expected " + std::to_string(columns) + " comma-separated columns, found " + std::to_string(fields.size()));
    const auto field = [&](Column column) -> std::string_view {
        return std::size_t(column) < fields.size() ? fields[column] : std::string_view();
    };
    const std::string_view kind = field(kKind);
    const std::string name(field(kName));
    requireEquipmentName(name);
    const auto number = [&](Column column, NumberKind numberKind) {
        try {
            return strictNumber(field(column), numberKind);
        } catch (const InputError& error) {
            throw InputError(std::string(kColumns[column]) + ": " + error.what());
        }
    };
    const auto mustBeEmpty = [&](std::initializer_list<Column> unused) {
        for (const Column column : unused) {
            if (!field(column).empty())
                throw InputError(std::string(kColumns[column]) + " must stay empty for a " + std::string(kind));
        }
    };
    const auto taken = [&] {
        return InputError("a " + std::string(kind) + " named " + echoed(name) + " exists already");
    };
    if (kind == "telescope") {
        mustBeEmpty({kPixel, kWidth, kHeight, kPixelHeight, kFactor});
        if (!catalogue.telescopes.add(
                {name, number(kAperture, NumberKind::Positive), number(kFocalLength, NumberKind::Positive)}))
            throw taken();
    } else if (kind == "camera") {
        mustBeEmpty({kAperture, kFocalLength, kFactor});
        optics::Camera camera {name, number(kPixel, NumberKind::Positive), number(kWidth, NumberKind::PositiveWhole),
            number(kHeight, NumberKind::PositiveWhole)};
        if (!field(kPixelHeight).empty())
            camera.pixelHeight = number(kPixelHeight, NumberKind::Positive);
        if (!catalogue.cameras.add(camera))
            throw taken();
    } else if (kind == "lens") {
        mustBeEmpty({kAperture, kFocalLength, kPixel, kWidth, kHeight, kPixelHeight});
        if (!catalogue.lenses.add({name, number(kFactor, NumberKind::Positive)}))
            throw taken();
    } else {
        throw InputError("kind " + echoed(kind) + " is none of telescope, camera, lens");
    }
}

std::string joined(const std::vector<std::string_view>& fields)
{
    std::string text;
    for (const std::string_view field : fields)
        text.append(text.empty() ? "" : ",").append(field);
    return text;
}

// RFC 4180: quoted when it holds a comma, a quote or a line end.
std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

} // namespace

namespace {

// Room for the entries of each kind the lines start with, made before they
// are read: a catalogue of a million lenses then grows no vector twice.
void reserveFor(optics::EquipmentCatalogue& catalogue, std::string_view text)
{
    std::size_t telescopes = 0, cameras = 0, lenses = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::string_view line = text.substr(start, 10);
        telescopes += line.starts_with("telescope,");
        cameras += line.starts_with("camera,");
        lenses += line.starts_with("lens,");
        const auto* end = static_cast<const char*>(std::memchr(text.data() + start, '\n', text.size() - start));
        start = end ? static_cast<std::size_t>(end - text.data()) + 1 : text.size();
    }
    catalogue.telescopes.reserve(catalogue.telescopes.items().size() + telescopes);
    catalogue.cameras.reserve(catalogue.cameras.items().size() + cameras);
    catalogue.lenses.reserve(catalogue.lenses.items().size() + lenses);
}

} // namespace

void addCsvCatalogue(optics::EquipmentCatalogue& catalogue, std::string_view text, const std::string& path)
{
    const std::string firstHeader = joined({kColumns.begin(), kColumns.begin() + kFirstHeaderColumns});
    std::size_t columns = 0; // of the header, once read
    reserveFor(catalogue, text);
    forEachCsvRecord(text, path, ',', [&](const CsvView& record) {
        if (!columns) {
            const std::string header = joined(record.fields);
            if (record.line != 1 || (header != kCatalogueCsvHeader && header != firstHeader))
                throw InputError(path + ":1: the header must be " + std::string(kCatalogueCsvHeader));
            columns = record.fields.size();
            return;
        }
        try {
            addRecord(catalogue, record.fields, columns);
        } catch (const InputError& error) {
            throw InputError(path + ":" + std::to_string(record.line) + ": " + error.what());
        }
    });
    if (!columns)
        throw InputError(path + ":1: the header must be " + std::string(kCatalogueCsvHeader));
}

std::string csvCatalogueText(const optics::EquipmentCatalogue& catalogue)
{
    std::string text = std::string(kCatalogueCsvHeader) + "\n";
    for (const optics::Telescope& t : catalogue.telescopes.items())
        text += "telescope," + csvField(t.name) + "," + exactNumber(t.aperture) + "," + exactNumber(t.focalLength) +
            ",,,,,\n";
    for (const optics::Camera& c : catalogue.cameras.items())
        text += "camera," + csvField(c.name) + ",,," + exactNumber(c.pixelSize) + "," + exactNumber(c.width) + "," +
            exactNumber(c.height) + "," + (c.pixelHeight > 0 ? exactNumber(c.pixelHeight) : "") + ",\n";
    for (const optics::Lens& l : catalogue.lenses.items())
        text += "lens," + csvField(l.name) + ",,,,,,," + exactNumber(l.factor) + "\n";
    return text;
}

} // namespace velmora::formats
