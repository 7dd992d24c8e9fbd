#include "shipped_data.h"

#include <cstdlib>

namespace velmora::formats {

std::filesystem::path programFolder()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

std::filesystem::path shippedDataFolder()
{
    if (const char* chosen = std::getenv("VELMORA_DATA_DIR"); chosen && *chosen)
        return chosen;
    return programFolder() / VELMORA_DATA_FROM_BINDIR;
}

} // namespace velmora::formats
