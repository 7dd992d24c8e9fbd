#include "equipment_name.h"

#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"

#include "optics/name_match.h"

#include <cstdio>
#include <optional>

namespace velmora::formats {

namespace {

// The first control character of UTF-8 text (C0 but the tab, DEL, C1).
std::optional<unsigned> firstControl(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            return byte;
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F)
            return next;
    }
    return std::nullopt;
}

} // namespace

void requireEquipmentName(std::string_view name)
{
    if (name.empty())
        throw InputError("the name is empty");
    if (!isValidUtf8(name))
        throw InputError("the name is not valid UTF-8");
    if (const auto code = firstControl(name)) {
        char text[8];
        std::snprintf(text, sizeof text, "U+%04X", *code);
        throw InputError("the name holds the control character " + std::string(text));
    }
    if (optics::nameKey(name).empty())
        throw InputError("the name " + echoed(name) + " holds no letter or digit");
}

} // namespace velmora::formats
