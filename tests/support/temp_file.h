#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace velmora {

// A fresh folder of this test process's own, made on first use under the
// system's temporary folder and removed when the process ends: CTest runs
// each case as a process of its own, so that two runs side by side, or two
// cases at once, never meet.
inline const std::filesystem::path& testFolder()
{
    struct Folder {
        std::filesystem::path path;
        Folder()
        {
            std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
            if (!::mkdtemp(pattern.data()))
                std::abort();
            path = pattern;
        }
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

// The path of a file of this name in the test's own folder.
inline std::string testPath(const std::string& name)
{
    return (testFolder() / name).string();
}

// Writes the bytes to a file of this name in the test's own folder and
// gives its path.
inline std::string tempFile(const std::string& name, const std::string& bytes)
{
    const std::string path = testPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace velmora
