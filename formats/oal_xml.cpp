#include "oal_xml.h"

#include "camera_figures.h"
#include "equipment_name.h"
#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"
#include "xml_reading.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <sstream>

namespace velmora::formats {

namespace {

using xml::child;
using xml::localName;

// The OAL reader: names of vendor and model, and entries added once.
class Reader : public xml::Reader {
public:
    using xml::Reader::Reader;

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
};

bool isOfType(const pugi::xml_node& node, std::string_view type)
{
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        if (localName(attribute.name()) == "type" && localName(attribute.value()) == type)
            return true;
    }
    return false;
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
    pugi::xml_document document;
    xml::load(document, text, path);
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
