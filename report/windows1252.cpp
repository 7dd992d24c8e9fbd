#include "windows1252.h"

#include <array>
#include <cstdint>
#include <utility>

namespace velmora {

namespace {

// Where Windows-1252 departs from Latin-1: the characters of bytes 0x80-0x9F.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> kHighBlock {{
    {U'\u20AC', 0x80},
    {U'\u201A', 0x82},
    {U'\u0192', 0x83},
    {U'\u201E', 0x84},
    {U'\u2026', 0x85},
    {U'\u2020', 0x86},
    {U'\u2021', 0x87},
    {U'\u02C6', 0x88},
    {U'\u2030', 0x89},
    {U'\u0160', 0x8A},
    {U'\u2039', 0x8B},
    {U'\u0152', 0x8C},
    {U'\u017D', 0x8E},
    {U'\u2018', 0x91},
    {U'\u2019', 0x92},
    {U'\u201C', 0x93},
    {U'\u201D', 0x94},
    {U'\u2022', 0x95},
    {U'\u2013', 0x96},
    {U'\u2014', 0x97},
    {U'\u02DC', 0x98},
    {U'\u2122', 0x99},
    {U'\u0161', 0x9A},
    {U'\u203A', 0x9B},
    {U'\u0153', 0x9C},
    {U'\u017E', 0x9E},
    {U'\u0178', 0x9F},
}};

char encode(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (const auto& [character, byte] : kHighBlock) {
        if (character == c)
            return static_cast<char>(byte);
    }
    return '?';
}

// Decodes one UTF-8 sequence at `pos`; an invalid one yields U+FFFD after
// consuming a single byte.
char32_t decode(std::string_view s, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        return U'\uFFFD';
    }
    if (pos + length > s.size())
        return U'\uFFFD';
    for (int i = 0; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80)
            return U'\uFFFD';
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return U'\uFFFD';
    pos += length;
    return c;
}

} // namespace

std::string toWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        bytes.push_back(encode(decode(utf8, pos)));
    return bytes;
}

} // namespace velmora
