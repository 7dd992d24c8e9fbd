// readFitsSetup where there are no loadable modules: CFITSIO linked in.
#include "fits_header.h"

namespace velmora::cli {

FitsSetup readFitsSetup(const std::string& path)
{
    return readFitsSetupWithCfitsio(path);
}

} // namespace velmora::cli
