// Written to Qt's INI grammar by hand: inih, the INI library at hand, neither
// unquotes Qt's quoted values nor, as Debian builds it (INI_HANDLER_LINENO
// 0), tells its handler the line, which every refusal must name.
#include "oculars_ini.h"

#include "camera_figures.h"
#include "equipment_name.h"
#include "exact_number.h"
#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace velmora::formats {

namespace {

struct Value {
    std::string text;
    int line;
};

// One entry of a section: its keys by name.
using Entry = std::map<std::string, Value, std::less<>>;
// The entries of a section by index, in index order.
using Section = std::map<long, Entry>;

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A value as Qt writes it: bare, or in quotes with backslash escapes.
std::string valueOf(std::string_view text, const std::string& place)
{
    text = trimmed(text);
    if (!text.starts_with('"'))
        return std::string(text);
    std::string value;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            if (!trimmed(text.substr(i + 1)).empty())
                throw InputError(place + ": text after the closing quote");
            return value;
        }
        if (c != '\\') {
            value += c;
            continue;
        }
        if (++i == text.size())
            break;
        switch (text[i]) {
        case 'n':
            value += '\n';
            break;
        case 't':
            value += '\t';
            break;
        case 'r':
            value += '\r';
            break;
        default:
            value += text[i];
        }
    }
    throw InputError(place + ": a quoted value is not closed");
}

struct Parsed {
    std::map<std::string, Section, std::less<>> sections;
};

Parsed parse(std::string_view text, const std::string& path)
{
    text = withoutByteOrderMark(text);
    Parsed parsed;
    Section* section = nullptr;
    int line = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view content = text.substr(start, end - start);
        start = end + 1;
        ++line;
        if (content.ends_with('\r'))
            content.remove_suffix(1);
        const std::string place = path + ":" + std::to_string(line);
        content = trimmed(content);
        if (content.empty() || content.starts_with(';') || content.starts_with('#'))
            continue;
        if (content.starts_with('[')) {
            if (!content.ends_with(']'))
                throw InputError(place + ": a section name is not closed with ']'");
            section = &parsed.sections[std::string(content.substr(1, content.size() - 2))];
            continue;
        }
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            throw InputError(place + ": expected key=value or [section]");
        if (!section)
            throw InputError(place + ": a key before any [section]");
        const std::string_view key = trimmed(content.substr(0, equals));
        const std::size_t slash = key.find('\\');
        if (slash == std::string_view::npos)
            continue; // "size" and other keys outside the entries
        long index = 0;
        const auto read = std::from_chars(key.data(), key.data() + slash, index);
        if (read.ec != std::errc() || read.ptr != key.data() + slash || index < 0)
            throw InputError(place + ": " + echoed(key) + " does not start with an entry number");
        Entry& entry = (*section)[index];
        const std::string name(key.substr(slash + 1));
        if (entry.contains(name))
            throw InputError(place + ": " + echoed(key) + " is given twice");
        entry[name] = {valueOf(content.substr(equals + 1), place), line};
    }
    return parsed;
}

// The figures of one entry, read with the place of each.
class EntryReader {
public:
    EntryReader(const Entry& entry, const std::string& path, const char* kind, long index) :
          entry_(entry), path_(path), kind_(kind), index_(index)
    {
    }

    const Value* find(std::string_view key) const
    {
        const auto found = entry_.find(key);
        return found == entry_.end() ? nullptr : &found->second;
    }
    const Value& required(std::string_view key) const
    {
        if (const Value* value = find(key))
            return *value;
        throw InputError(path_ + ":" + std::to_string(firstLine()) + ": " + kind_ + " " + std::to_string(index_) +
            " has no " + std::to_string(index_) + "\\" + std::string(key));
    }
    // Qt's settings reader gives a leading '@' a meaning of its own, so its
    // writer doubles one that is only text.
    std::string name() const
    {
        const Value& value = required("name");
        const std::string name = value.text.starts_with("@@") ? value.text.substr(1) : value.text;
        try {
            requireEquipmentName(name);
        } catch (const InputError& error) {
            throw InputError(place(value) + ": " + error.what());
        }
        return name;
    }
    double number(const Value& value, std::string_view key, NumberKind kind) const
    {
        try {
            return strictNumber(value.text, kind);
        } catch (const InputError& error) {
            throw InputError(
                place(value) + ": " + std::to_string(index_) + "\\" + std::string(key) + ": " + error.what());
        }
    }
    double number(std::string_view key, NumberKind kind = NumberKind::Positive) const
    {
        return number(required(key), key, kind);
    }
    std::optional<double> optionalNumber(std::string_view key) const
    {
        const Value* value = find(key);
        return value ? std::optional<double>(number(*value, key, NumberKind::Positive)) : std::nullopt;
    }
    std::string place(const Value& value) const { return path_ + ":" + std::to_string(value.line); }
    // Where the entry starts: its keys are kept by name, not by line.
    int firstLine() const
    {
        int first = entry_.begin()->second.line;
        for (const auto& [key, value] : entry_)
            first = std::min(first, value.line);
        return first;
    }

private:
    const Entry& entry_;
    const std::string& path_;
    const char* kind_;
    long index_;
};

template <typename Item> void addUnique(optics::Shelf<Item>& shelf, Item item, const EntryReader& reader)
{
    const std::string name = item.name;
    if (!shelf.add(std::move(item)))
        throw InputError(reader.place(reader.required("name")) + ": " + echoed(name) + " is named twice");
}

// Qt's escapes for a value that would not read back bare, and its doubled
// '@' before one that would read as a typed value ("@Rect(1 2 3 4)").
std::string iniValue(const std::string& name)
{
    const std::string text = name.starts_with('@') ? "@" + name : name;
    const bool bare = !text.empty() && text.find_first_of(";#\"\\,=\n\r\t") == std::string::npos &&
        text.front() != ' ' && text.back() != ' ';
    if (bare)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace

void readOcularsIni(std::string_view text, const std::string& path, optics::EquipmentCatalogue& catalogue,
    std::vector<std::string>& warnings)
{
    const Parsed parsed = parse(text, path);
    const auto sectionOf = [&](std::string_view name) -> const Section* {
        const auto found = parsed.sections.find(name);
        return found == parsed.sections.end() ? nullptr : &found->second;
    };
    if (const Section* telescopes = sectionOf("telescope")) {
        for (const auto& [index, entry] : *telescopes) {
            const EntryReader reader(entry, path, "telescope", index);
            addUnique(
                catalogue.telescopes, {reader.name(), reader.number("diameter"), reader.number("focalLength")}, reader);
        }
    }
    if (const Section* cameras = sectionOf("ccd")) {
        for (const auto& [index, entry] : *cameras) {
            const EntryReader reader(entry, path, "ccd", index);
            const CameraFigures figures {reader.name(), reader.number("resolutionX", NumberKind::PositiveWhole),
                reader.number("resolutionY", NumberKind::PositiveWhole), reader.optionalNumber("pixel_width"),
                reader.optionalNumber("pixel_height"), reader.optionalNumber("chip_width"),
                reader.optionalNumber("chip_height")};
            try {
                addUnique(catalogue.cameras, cameraFrom(figures, warnings), reader);
            } catch (const InputError& error) {
                if (std::string_view(error.what()).starts_with(path + ":"))
                    throw;
                throw InputError(path + ":" + std::to_string(reader.firstLine()) + ": " + error.what());
            }
        }
    }
    if (const Section* lenses = sectionOf("lens")) {
        for (const auto& [index, entry] : *lenses) {
            const EntryReader reader(entry, path, "lens", index);
            addUnique(catalogue.lenses, {reader.name(), reader.number("multipler")}, reader);
        }
    }
}

std::string ocularsIniText(const optics::EquipmentCatalogue& catalogue)
{
    std::string text = "[General]\n";
    text += "telescope_count=" + std::to_string(catalogue.telescopes.items().size()) + "\n";
    text += "ccd_count=" + std::to_string(catalogue.cameras.items().size()) + "\n";
    text += "lens_count=" + std::to_string(catalogue.lenses.items().size()) + "\n";
    const auto key = [](std::size_t index, const char* name, const std::string& value) {
        return std::to_string(index) + "\\" + name + "=" + value + "\n";
    };
    // The chip's size, which planetarium programs show, is left out where it
    // would not give the pixel back (an overflow, or an underflow that loses
    // its digits): the pixel sizes are written anyway.
    const auto chipKey = [&](std::size_t index, const char* name, double pixels, double pixel) {
        const double chip = pixels * pixel / 1000;
        const bool readsBack = std::fabs(chip * 1000 / pixels - pixel) <= 1e-9 * pixel;
        return readsBack ? key(index, name, exactNumber(chip)) : std::string();
    };
    text += "\n[telescope]\n";
    const auto& telescopes = catalogue.telescopes.items();
    for (std::size_t i = 0; i < telescopes.size(); ++i)
        text += key(i, "name", iniValue(telescopes[i].name)) +
            key(i, "focalLength", exactNumber(telescopes[i].focalLength)) +
            key(i, "diameter", exactNumber(telescopes[i].aperture));
    text += "\n[ccd]\n";
    const auto& cameras = catalogue.cameras.items();
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        const optics::Camera& c = cameras[i];
        text += key(i, "name", iniValue(c.name)) + key(i, "resolutionX", exactNumber(c.width)) +
            key(i, "resolutionY", exactNumber(c.height)) + chipKey(i, "chip_width", c.width, c.pixelSize) +
            chipKey(i, "chip_height", c.height, c.pixelHeightOrSize()) +
            key(i, "pixel_width", exactNumber(c.pixelSize)) +
            key(i, "pixel_height", exactNumber(c.pixelHeightOrSize()));
    }
    text += "\n[lens]\n";
    const auto& lenses = catalogue.lenses.items();
    for (std::size_t i = 0; i < lenses.size(); ++i)
        text += key(i, "name", iniValue(lenses[i].name)) + key(i, "multipler", exactNumber(lenses[i].factor));
    return text;
}

} // namespace velmora::formats
