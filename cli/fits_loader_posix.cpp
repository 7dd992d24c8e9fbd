// readFitsSetup through the FITS module, loaded on first use.
#include "fits_header.h"

#include "usage_error.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

namespace velmora::cli {

namespace {

using Reader = bool (*)(const std::string&, FitsSetup&, std::string&);

// Beside the program (in the build tree), in its installed place, and
// where this build put it.
std::vector<std::filesystem::path> moduleCandidates()
{
    std::error_code error;
    const auto programFolder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    return {programFolder / VELMORA_FITS_MODULE_NAME,
        programFolder / VELMORA_FITS_MODULE_FROM_BINDIR / VELMORA_FITS_MODULE_NAME, VELMORA_FITS_MODULE_BUILT};
}

Reader loadReader()
{
    for (const auto& candidate : moduleCandidates()) {
        if (void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL))
            return reinterpret_cast<Reader>(dlsym(module, "velmora_read_fits_setup"));
    }
    return nullptr;
}

} // namespace

FitsSetup readFitsSetup(const std::string& path)
{
    static const Reader reader = loadReader(); // kept loaded for the life of the program
    if (!reader)
        throw UsageError("--fits: the FITS reader module " VELMORA_FITS_MODULE_NAME " is not installed");
    FitsSetup setup {};
    std::string error;
    if (!reader(path, setup, error))
        throw UsageError(error);
    return setup;
}

} // namespace velmora::cli
