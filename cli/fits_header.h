#pragma once

#include <optional>
#include <string>

namespace velmora::cli {

// The optical setup a FITS image records in its header. Pixel size and
// image size describe the pixels as stored, that is after binning.
struct FitsSetup {
    double focalLength; // FOCALLEN, mm
    double storedPixelSize; // XPIXSZ, micrometres
    int binning; // XBINNING, 1 when absent
    double storedWidth; // NAXIS1, pixels
    double storedHeight; // NAXIS2, pixels
    std::optional<double> aperture; // APTDIA, mm, when present
};

// Reads the first image of a FITS file, plain or tile-compressed (.fz).
// A file that cannot be read as FITS, or lacks a keyword, throws UsageError
// naming the file and the keyword.
FitsSetup readFitsSetup(const std::string& path);

// The reading itself. CFITSIO comes with libcurl and its TLS and Kerberos
// libraries, thirty of them, whose loading would triple the start-up time of
// every run; so on POSIX systems it lives in a module of its own, loaded by
// readFitsSetup only when a FITS file is asked for.
FitsSetup readFitsSetupWithCfitsio(const std::string& path);

} // namespace velmora::cli
