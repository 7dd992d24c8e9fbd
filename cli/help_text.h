#pragma once

#include <string>

namespace velmora::cli {

// What --help says before and after the options, laid out so that help2man
// makes each heading of the footer a section of the man page.
extern const char* const kDescription;
std::string helpFooter();

// The one line shown when velmora-calc is called with nothing to do.
extern const char* const kUsageLine;

} // namespace velmora::cli
