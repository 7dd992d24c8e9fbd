#pragma once

#include <string>

namespace velmora::formats {

// For scripts and the files the program writes: the shortest text that
// reads back as the same double.
std::string exactNumber(double value);
void appendExactNumber(std::string& text, double value);

} // namespace velmora::formats
