#pragma once

#include "strict_number.h"

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace velmora::formats::xml {

// What every reader of an XML file from outside shares: a document parsed
// with its faults placed, elements found by their local names whatever
// their prefix, and texts and numbers read or refused "path:line:column:".

// "line:column" of a byte offset, both counted from 1.
std::string placeOf(std::string_view text, std::ptrdiff_t offset);

std::string_view localName(std::string_view name);

// The first element below `node` of that local name.
pugi::xml_node child(const pugi::xml_node& node, std::string_view name);

// `text` parsed into `document`. A document type declaration is refused,
// so that no entity is ever defined or expanded.
void load(pugi::xml_document& document, std::string_view text, const std::string& path);

class Reader {
public:
    Reader(std::string_view text, const std::string& path) : text_(text), path_(path) { }

    [[noreturn]] void fail(const pugi::xml_node& node, const std::string& why) const;
    // The element's text, the blanks about it trimmed unless it asks for
    // them to be kept (xml:space="preserve", as names with edge blanks are
    // written).
    std::string textOf(const pugi::xml_node& node, std::string_view name) const;
    std::optional<double> optionalNumber(const pugi::xml_node& node, std::string_view name, NumberKind kind) const;
    double number(const pugi::xml_node& node, std::string_view name, NumberKind kind = NumberKind::Positive) const;

private:
    std::string_view text_;
    const std::string& path_;
};

} // namespace velmora::formats::xml
