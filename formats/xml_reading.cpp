#include "xml_reading.h"

#include "input_error.h"
#include "text_file.h"

#include <algorithm>

namespace velmora::formats::xml {

namespace {

// Where a document type declaration starts: XML allows one only in the
// prolog, among comments, processing instructions and blanks; elsewhere
// "<!DOCTYPE" is text, a comment or CDATA, and the parser judges it.
std::optional<std::size_t> declarationAt(std::string_view text)
{
    std::size_t at = text.size() - withoutByteOrderMark(text).size();
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

} // namespace

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

pugi::xml_node child(const pugi::xml_node& node, std::string_view name)
{
    for (const pugi::xml_node& element : node.children()) {
        if (element.type() == pugi::node_element && localName(element.name()) == name)
            return element;
    }
    return {};
}

void load(pugi::xml_document& document, std::string_view text, const std::string& path)
{
    if (const auto at = declarationAt(text))
        throw InputError(path + ":" + placeOf(text, std::ptrdiff_t(*at)) +
            ": a document type declaration is not accepted (no entities are defined or expanded)");
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!parsed)
        throw InputError(path + ":" + placeOf(text, parsed.offset) + ": " + parsed.description());
}

void Reader::fail(const pugi::xml_node& node, const std::string& why) const
{
    throw InputError(path_ + ":" + placeOf(text_, node.offset_debug()) + ": " + why);
}

std::string Reader::textOf(const pugi::xml_node& node, std::string_view name) const
{
    const pugi::xml_node element = child(node, name);
    std::string value; // its text and CDATA parts, joined
    for (const pugi::xml_node& part : element.children()) {
        if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata)
            value += part.value();
    }
    if (std::string_view(element.attribute("xml:space").value()) != "preserve") {
        const auto first = value.find_first_not_of(" \t\r\n");
        value = first == std::string::npos ? "" : value.substr(first, value.find_last_not_of(" \t\r\n") - first + 1);
    }
    if (!isValidUtf8(value))
        fail(element, "<" + std::string(name) + "> is not UTF-8");
    return value;
}

std::optional<double> Reader::optionalNumber(const pugi::xml_node& node, std::string_view name, NumberKind kind) const
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

double Reader::number(const pugi::xml_node& node, std::string_view name, NumberKind kind) const
{
    if (const auto value = optionalNumber(node, name, kind))
        return *value;
    fail(node, "<" + std::string(localName(node.name())) + "> has no <" + std::string(name) + ">");
}

} // namespace velmora::formats::xml
