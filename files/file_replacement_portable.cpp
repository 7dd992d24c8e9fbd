// Where there is no POSIX: through the standard library, which can neither
// keep permission bits nor flush to disk.
#include "file_replacement.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace velmora::files {

namespace {

void writeInPlace(const std::string& path, std::string_view contents)
{
    std::ofstream device(path, std::ios::binary);
    if (!device.write(contents.data(), static_cast<std::streamsize>(contents.size())).flush())
        throw WriteError("a write error");
}

} // namespace

void replaceFile(const std::string& path, std::string_view contents, OtherFiles others)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        throw WriteError("no file was named");
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::is_directory(status))
        throw WriteError("it is a folder");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        if (others == OtherFiles::WriteInPlace)
            return writeInPlace(path, contents);
        throw WriteError("it is not a regular file");
    }
    const std::filesystem::path target(path);
    const auto temporary = target.parent_path() / (".velmora." + std::to_string(std::random_device {}()) + ".tmp");
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        if (!file.flush()) {
            std::filesystem::remove(temporary, error);
            throw WriteError("a write error");
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw WriteError(error.message());
    }
}

} // namespace velmora::files
