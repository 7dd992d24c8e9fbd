// replaceFile where there is no POSIX: through the standard library.
#include "file_output.h"

#include "formats/strict_number.h"
#include "output_error.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace velmora::cli {

void replaceFile(std::string_view option, const std::string& path, std::string_view contents)
{
    const auto fail = [&](const std::string& why) {
        throw OutputError(std::string(option) + ": cannot write " + formats::echoed(path) + ": " + why);
    };
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        fail("it is not a regular file");
    const std::filesystem::path target(path);
    const auto temporary = target.parent_path() / (".velmora-calc." + std::to_string(std::random_device {}()) + ".tmp");
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        if (!file.flush()) {
            std::filesystem::remove(temporary, error);
            fail("a write error");
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        fail(error.message());
    }
}

} // namespace velmora::cli
