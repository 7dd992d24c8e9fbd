// readFitsSetup where there are no loadable modules: CFITSIO linked in.
#include "fits_header.h"

#include "text_file.h"

namespace velmora::formats {

FitsSetup readFitsSetup(const std::string& path)
{
    requireRegularFile(path);
    return readFitsSetupWithCfitsio(path);
}

} // namespace velmora::formats
