#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velmora::cli {

// Readers of option values that hold more than one number or a bounded
// one; each refusal is an InputError quoting the text.

// The numbers of a text split at `separator`; a refusal quotes the whole.
std::vector<double> numbersOf(const std::string& text, char separator);

// Refuses `value` outside `lowest` to `highest`, naming it `what`.
void requireWithin(double value, double lowest, double highest, const std::string& what);

// A band "NM-NM" from shorter to longer, both ends from 300 to 2000 nm.
std::pair<double, double> bandOf(const std::string& text);

} // namespace velmora::cli
