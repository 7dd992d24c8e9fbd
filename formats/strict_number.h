#pragma once

#include <string>
#include <string_view>

namespace velmora::formats {

enum class NumberKind { Finite, Positive, PositiveWhole };

// The whole of `text` as a finite decimal number ("5.6", "1e3", "-2") of the
// kind asked for; anything else throws InputError saying why, without the
// place, which the caller adds: "'5,6' is not a finite decimal number (write
// the decimal point as '.')".
double strictNumber(std::string_view text, NumberKind kind = NumberKind::Finite);

// The text as a refusal echoes it, in quotes and printable: cut past 80 characters, with its length.
std::string echoed(std::string_view text);

} // namespace velmora::formats
