// A FITS file of arbitrary bytes: the header reader gives a setup with
// positive figures or refuses with an InputError; it never crashes or reads
// out of bounds.
#include "formats/fits_header.h"
#include "formats/input_error.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // CFITSIO reads files by name: the bytes go to a file of this process's own.
    static const std::string path = "/tmp/velmora_fits_fuzz_" + std::to_string(getpid()) + ".fits";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
    try {
        const velmora::formats::FitsSetup setup = velmora::formats::readFitsSetupWithCfitsio(path);
        if (!(setup.width >= 1) || !(setup.height >= 1) || setup.binning < 1 || setup.binning > 8)
            std::abort();
        if ((setup.pixelSize && !(*setup.pixelSize > 0)) || (setup.focalLength && !(*setup.focalLength > 0)))
            std::abort();
    } catch (const velmora::formats::InputError&) {
    }
    return 0;
}
