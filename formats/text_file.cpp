#include "text_file.h"

#include "input_error.h"
#include "strict_number.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace velmora::formats {

namespace {
[[noreturn]] void cannotRead(const std::string& path, const std::string& why, InputProblem problem)
{
    throw InputError("cannot read " + echoed(path) + ": " + why, problem, path);
}

InputProblem problemOf(const std::error_code& error)
{
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
        return InputProblem::Missing;
    return InputProblem::NotReadable;
}
} // namespace

void requireRegularFile(const std::string& path)
{
    if (path.empty())
        throw InputError("an empty file name");
    std::error_code error;
    // Asked before opening: opening a FIFO would wait for a writer.
    const auto status = std::filesystem::status(path, error);
    if (error)
        cannotRead(path, error.message(), problemOf(error));
    if (std::filesystem::is_directory(status))
        cannotRead(path, "it is a folder", InputProblem::NotAFile);
    if (!std::filesystem::is_regular_file(status))
        cannotRead(path, "it is not a regular file", InputProblem::NotAFile);
}

std::string readRegularFile(const std::string& path, std::size_t largest)
{
    requireRegularFile(path);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        cannotRead(path, error.message(), problemOf(error));
    if (size > largest)
        cannotRead(path,
            "it is larger than " +
                (largest >= (1 << 20) ? std::to_string(largest >> 20) + " MB" : std::to_string(largest) + " bytes"),
            InputProblem::TooLarge);

    std::ifstream file(path, std::ios::binary);
    if (!file)
        cannotRead(path, std::strerror(errno), InputProblem::NotReadable);
    // Read straight into the text; a file that grew since it was measured
    // is read on in blocks, up to the limit.
    std::string text(static_cast<std::size_t>(size), '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    std::array<char, 1 << 16> block;
    while (file && (file.read(block.data(), block.size()) || file.gcount() > 0)) {
        text.append(block.data(), static_cast<std::size_t>(file.gcount()));
        if (text.size() > largest)
            cannotRead(path, "it grew past the size it had while being read", InputProblem::TooLarge);
    }
    if (file.bad())
        cannotRead(path, "a read error", InputProblem::NotReadable);
    return text;
}

std::string didYouMean(const std::vector<std::string>& closest)
{
    std::string offer;
    for (const std::string& name : closest)
        offer += (offer.empty() ? " (did you mean " : ", ") + printable(name);
    return offer.empty() ? offer : offer + "?)";
}

std::string_view withoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.starts_with(kMark) ? text.substr(kMark.size()) : text;
}

std::string printable(std::string_view text)
{
    const bool utf8 = isValidUtf8(text);
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || (!utf8 && byte >= 0x80)) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

bool isValidUtf8(std::string_view text)
{
    // The standard library has no UTF-8 check; this follows RFC 3629's table.
    const auto* byte = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = byte + text.size();
    while (byte < end) {
        const unsigned char lead = *byte++;
        if (lead < 0x80)
            continue;
        int more = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        for (int i = 0; i < more; ++i, ++byte) {
            if (byte == end || *byte < (i == 0 ? low : 0x80) || *byte > (i == 0 ? high : 0xBF))
                return false;
        }
    }
    return true;
}

} // namespace velmora::formats
