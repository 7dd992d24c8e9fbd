#pragma once

#include <optional>
#include <string>

namespace velmora::formats {

// The optical setup a FITS image records in its header, with the camera's
// figures unbinned: the header's XPIXSZ, NAXIS1 and NAXIS2 describe the
// pixels as stored, after binning. A keyword that is absent stays empty.
struct FitsSetup {
    std::optional<double> focalLength; // FOCALLEN, mm
    std::optional<double> aperture; // APTDIA, mm
    std::optional<double> pixelSize; // XPIXSZ / XBINNING, micrometres
    double width; // NAXIS1 * XBINNING, pixels
    double height; // NAXIS2 * XBINNING, pixels
    int binning; // XBINNING, 1 when absent
};

// Reads the first image of a FITS file, plain or tile-compressed (.fz); a
// third axis holds colour planes. The name is taken as it is, never as a URL
// or with CFITSIO's filters. A file that cannot be read as FITS, or whose
// keyword has the wrong type, throws InputError naming the file and keyword.
FitsSetup readFitsSetup(const std::string& path);

// The reading itself. CFITSIO comes with libcurl and its TLS and Kerberos
// libraries, thirty of them, whose loading would triple the start-up time of
// every run; so on POSIX systems it lives in a module of its own, loaded by
// readFitsSetup only when a FITS file is asked for.
FitsSetup readFitsSetupWithCfitsio(const std::string& path);

} // namespace velmora::formats
