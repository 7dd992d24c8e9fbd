// readFitsSetup through the FITS module, loaded on first use.
#include "fits_header.h"

#include "input_error.h"
#include "shipped_data.h"
#include "text_file.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

namespace velmora::formats {

namespace {

using Reader = bool (*)(const std::string&, FitsSetup&, std::string&);

// Beside the program, then in its installed place relative to it; never a
// path of the build tree, which an installed program must not load from.
std::vector<std::filesystem::path> moduleCandidates()
{
    const auto folder = programFolder();
    return {folder / VELMORA_FITS_MODULE_NAME, folder / VELMORA_FITS_MODULE_FROM_BINDIR / VELMORA_FITS_MODULE_NAME};
}

// The reader, or why it could not be loaded.
struct LoadedReader {
    Reader reader = nullptr;
    std::string failure;
};

LoadedReader loadReader()
{
    LoadedReader loaded;
    for (const auto& candidate : moduleCandidates()) {
        std::error_code error;
        if (!std::filesystem::exists(candidate, error))
            continue;
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            loaded.failure = dlerror();
            return loaded;
        }
        loaded.reader = reinterpret_cast<Reader>(dlsym(module, "velmora_read_fits_setup"));
        if (!loaded.reader)
            loaded.failure = dlerror();
        return loaded;
    }
    loaded.failure = "no " VELMORA_FITS_MODULE_NAME " beside the program or in " VELMORA_FITS_MODULE_FROM_BINDIR;
    return loaded;
}

} // namespace

FitsSetup readFitsSetup(const std::string& path)
{
    requireRegularFile(path);
    static const LoadedReader loaded = loadReader(); // kept loaded for the life of the program
    if (!loaded.reader)
        throw InputError("the FITS reader module cannot be loaded: " + loaded.failure);
    FitsSetup setup {};
    std::string error;
    if (!loaded.reader(path, setup, error))
        throw InputError(error);
    return setup;
}

} // namespace velmora::formats
