#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace velmora {

// Writes the bytes to a file of this name in the tests' temporary folder and
// gives its path.
inline std::string tempFile(const std::string& name, const std::string& bytes)
{
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace velmora
