#pragma once

#include <string_view>

namespace velmora {

// The title every message box shows when it is given none of its own.
inline constexpr std::string_view kAppTitle = "VELMORA";
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 2;
inline constexpr int kVersionRevision = 0;

} // namespace velmora
