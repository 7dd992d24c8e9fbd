#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::formats {

inline constexpr std::size_t kLargestInputFile = 16 * 1024 * 1024;

// Throws InputError "cannot read 'path': why" unless `path` names a regular
// file: a folder, a FIFO or a device could make a reader wait forever.
void requireRegularFile(const std::string& path);

// The whole of a regular file of at most `largest` bytes. Anything else (a
// missing file, a folder, a FIFO or device, which could make the reader
// wait forever, a larger file) throws InputError "cannot read 'path': why".
std::string readRegularFile(const std::string& path, std::size_t largest = kLargestInputFile);

// `text` without the UTF-8 byte-order mark some editors put first.
std::string_view withoutByteOrderMark(std::string_view text);

// A text as a terminal may show it: control characters, and every byte of a
// text that is not UTF-8 beyond ASCII, written as \xNN.
std::string printable(std::string_view text);

// What a refusal offers for a misspelt name: " (did you mean A, B?)", or
// nothing when no name is near.
std::string didYouMean(const std::vector<std::string>& closest);

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view text);

} // namespace velmora::formats
