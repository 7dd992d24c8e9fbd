#pragma once

#include <filesystem>

namespace velmora::formats {

// The folder the running program lies in; empty when the system cannot say.
std::filesystem::path programFolder();

// The folder of the data the program ships (the deep-sky catalogue): the
// environment's VELMORA_DATA_DIR when set, else its installed place
// relative to the program, which the build tree mirrors.
std::filesystem::path shippedDataFolder();

} // namespace velmora::formats
