#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Reads a field's text as a number: blanks, tabs and line feeds are ignored
// wherever they stand; "&H"/"&O" start a hexadecimal or octal whole number;
// otherwise the longest leading part of the form [+-]digits[.digits][E|D[+-]digits]
// is read, "." being the only decimal point, and the rest is ignored.
// A text with no leading digits reads as 0. Returns nullopt when the number
// lies beyond the range of a double.
std::optional<double> readFieldNumber(std::string_view text);

// A result as shown in a result field: up to 15 significant digits, trailing
// zeros dropped, `decimalSeparator` between the whole part and the fraction,
// exponent form ("1,5E+16", "1E-05") below 1E-04 and from 1E+15 on.
// `value` must be finite.
std::string formatResult(double value, std::string_view decimalSeparator);

// A number as the presets write it into an input field: whole numbers as
// plain digits, fractions as formatResult does but always with ".", so that
// readFieldNumber gives the same double back.
std::string formatInput(double value);

} // namespace velmora
