#include "oal_xml.h"

#include "camera_figures.h"
#include "equipment_name.h"
#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <sstream>

namespace velmora::formats {

namespace {

// "line:column" of a byte offset, both counted from 1.
std::string placeOf(std::string_view text, std::ptrdiff_t offset)
{
    const auto end = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(offset, 0, std::ptrdiff_t(text.size())));
    std::size_t line = 1, lineStart = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n')
            ++line, lineStart = i + 1;
    }
    return std::to_string(line) + ":" + std::to_string(end - lineStart + 1);
}

std::string_view localName(std::string_view name)
{
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The elements below `node` by their local names, whatever their prefix.
pugi::xml_node child(const pugi::xml_node& node, std::string_view name)
{
    for (const pugi::xml_node& element : node.children()) {
        if (element.type() == pugi::node_element && localName(element.name()) == name)
            return element;
    }
    return {};
}

class Reader {
public:
    Reader(std::string_view text, const std::string& path) : text_(text), path_(path) { }

    [[noreturn]] void fail(const pugi::xml_node& node, const std::string& why) const
    {
        throw InputError(path_ + ":" + placeOf(text_, node.offset_debug()) + ": " + why);
    }
    // The element's text, the blanks about it trimmed unless it asks for
    // them to be kept (xml:space="preserve", as names with edge blanks are
    // written).
    std::string textOf(const pugi::xml_node& node, std::string_view name) const
    {
        const pugi::xml_node element = child(node, name);
        std::string value; // its text and CDATA parts, joined
        for (const pugi::xml_node& part : element.children()) {
            if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata)
                value += part.value();
        }
        if (std::string_view(element.attribute("xml:space").value()) != "preserve") {
            const auto first = value.find_first_not_of(" \t\r\n");
            value =
                first == std::string::npos ? "" : value.substr(first, value.find_last_not_of(" \t\r\n") - first + 1);
        }
        if (!isValidUtf8(value))
            fail(element, "<" + std::string(name) + "> is not UTF-8");
        return value;
    }
    std::optional<double> optionalNumber(const pugi::xml_node& node, std::string_view name, NumberKind kind) const
    {
        const pugi::xml_node element = child(node, name);
        if (!element)
            return std::nullopt;
        try {
            return strictNumber(textOf(node, name), kind);
        } catch (const InputError& error) {
            fail(element, "<" + std::string(name) + ">: " + error.what());
        }
    }
    double number(const pugi::xml_node& node, std::string_view name, NumberKind kind = NumberKind::Positive) const
    {
        if (const auto value = optionalNumber(node, name, kind))
            return *value;
        fail(node, "<" + std::string(localName(node.name())) + "> has no <" + std::string(name) + ">");
    }
    // Vendor and model, as people say it: "Celestron C8".
    std::string name(const pugi::xml_node& node) const
    {
        if (!child(node, "model"))
            fail(node, "<" + std::string(localName(node.name())) + "> has no <model>");
        const std::string model = textOf(node, "model");
        const std::string vendor = textOf(node, "vendor");
        const std::string name = vendor.empty() ? model : model.empty() ? vendor : vendor + " " + model;
        try {
            requireEquipmentName(name);
        } catch (const InputError& error) {
            fail(child(node, "model"), error.what());
        }
        return name;
    }
    template <typename Item> void add(optics::Shelf<Item>& shelf, Item item, const pugi::xml_node& node) const
    {
        const std::string name = item.name;
        if (!shelf.add(std::move(item)))
            fail(node, echoed(name) + " is named twice");
    }

private:
    std::string_view text_;
    const std::string& path_;
};

bool isOfType(const pugi::xml_node& node, std::string_view type)
{
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        if (localName(attribute.name()) == "type" && localName(attribute.value()) == type)
            return true;
    }
    return false;
}

// Where a document type declaration starts: XML allows one only in the
// prolog, among comments, processing instructions and blanks; elsewhere
// "<!DOCTYPE" is text, a comment or CDATA, and the parser judges it.
std::optional<std::size_t> declarationAt(std::string_view text)
{
    std::size_t at = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (true) {
        at = text.find_first_not_of(" \t\r\n", at);
        if (at == std::string_view::npos)
            return std::nullopt;
        const std::string_view rest = text.substr(at);
        const auto skipPast = [&](std::string_view end) {
            const auto found = text.find(end, at);
            at = found == std::string_view::npos ? text.size() : found + end.size();
        };
        if (rest.starts_with("<!--"))
            skipPast("-->");
        else if (rest.starts_with("<?"))
            skipPast("?>");
        else if (rest.starts_with("<!"))
            return at;
        else
            return std::nullopt;
    }
}

// Fixed notation: the schema's decimals take no exponent.
std::string decimalText(double value)
{
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, written.ptr);
}

} // namespace

void readOal(std::string_view text, const std::string& path, optics::EquipmentCatalogue& catalogue,
    std::vector<std::string>& warnings)
{
    if (const auto at = declarationAt(text))
        throw InputError(path + ":" + placeOf(text, std::ptrdiff_t(*at)) +
            ": a document type declaration is not accepted (no entities are defined or expanded)");
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!parsed)
        throw InputError(path + ":" + placeOf(text, parsed.offset) + ": " + parsed.description());
    const Reader reader(text, path);
    const pugi::xml_node root = document.document_element();
    if (localName(root.name()) != "observations")
        reader.fail(root, "the document is not OAL: its root is <" + std::string(root.name()) + ">");

    for (const pugi::xml_node& scope : child(root, "scopes").children()) {
        if (localName(scope.name()) == "scope" && isOfType(scope, "scopeType"))
            reader.add(catalogue.telescopes,
                {reader.name(scope), reader.number(scope, "aperture"), reader.number(scope, "focalLength")}, scope);
    }
    for (const pugi::xml_node& imager : child(root, "imagers").children()) {
        if (localName(imager.name()) != "imager" || !isOfType(imager, "ccdCameraType"))
            continue;
        const double binning = reader.number(imager, "binning", NumberKind::PositiveWhole);
        if (binning > 9)
            reader.fail(child(imager, "binning"), "<binning> is above 9");
        const CameraFigures figures {reader.name(imager), reader.number(imager, "pixelsX", NumberKind::PositiveWhole),
            reader.number(imager, "pixelsY", NumberKind::PositiveWhole),
            reader.optionalNumber(imager, "pixelXSize", NumberKind::Positive),
            reader.optionalNumber(imager, "pixelYSize", NumberKind::Positive), std::nullopt, std::nullopt};
        try {
            reader.add(catalogue.cameras, cameraFrom(figures, warnings), imager);
        } catch (const InputError& error) {
            if (std::string_view(error.what()).starts_with(path + ":"))
                throw;
            reader.fail(imager, error.what());
        }
    }
    for (const pugi::xml_node& lens : child(root, "lenses").children()) {
        if (localName(lens.name()) == "lens")
            reader.add(catalogue.lenses, {reader.name(lens), reader.number(lens, "factor")}, lens);
    }
}

std::string oalText(const optics::EquipmentCatalogue& catalogue)
{
    pugi::xml_document document;
    auto declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("oal:observations");
    root.append_attribute("xmlns:oal") = "http://groups.google.com/group/openastronomylog";
    root.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    root.append_attribute("version") = "2.1";
    // Every container, in the schema's order, even when empty.
    std::map<std::string_view, pugi::xml_node> containers;
    for (const char* name :
        {"observers", "sites", "sessions", "targets", "scopes", "eyepieces", "lenses", "filters", "imagers"})
        containers[name] = root.append_child(name);
    const auto item = [](pugi::xml_node container, const char* element, const char* type, const std::string& id,
                          const std::string& model) {
        pugi::xml_node node = container.append_child(element);
        node.append_attribute("id") = id.c_str();
        if (type)
            node.append_attribute("xsi:type") = type;
        pugi::xml_node name = node.append_child("model");
        name.text() = model.c_str();
        if (model.find_first_of(" \t") == 0 || model.find_last_of(" \t") == model.size() - 1)
            name.append_attribute("xml:space") = "preserve";
        return node;
    };
    const auto value = [](pugi::xml_node node, const char* element, const std::string& text) {
        node.append_child(element).text() = text.c_str();
    };
    std::size_t n = 0;
    for (const optics::Telescope& t : catalogue.telescopes.items()) {
        pugi::xml_node scope =
            item(containers["scopes"], "scope", "oal:scopeType", "scope_" + std::to_string(++n), t.name);
        value(scope, "aperture", decimalText(t.aperture));
        value(scope, "focalLength", decimalText(t.focalLength));
    }
    n = 0;
    for (const optics::Lens& l : catalogue.lenses.items()) {
        pugi::xml_node lens = item(containers["lenses"], "lens", nullptr, "lens_" + std::to_string(++n), l.name);
        value(lens, "factor", decimalText(l.factor));
    }
    n = 0;
    for (const optics::Camera& c : catalogue.cameras.items()) {
        pugi::xml_node imager =
            item(containers["imagers"], "imager", "oal:ccdCameraType", "imager_" + std::to_string(++n), c.name);
        value(imager, "pixelsX", decimalText(c.width));
        value(imager, "pixelsY", decimalText(c.height));
        value(imager, "pixelXSize", decimalText(c.pixelSize));
        value(imager, "pixelYSize", decimalText(c.pixelHeightOrSize()));
        value(imager, "binning", "1");
    }
    std::ostringstream text;
    document.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
    return text.str();
}

} // namespace velmora::formats
