#include "help_text.h"

#include "formats/csv_catalogue.h"
#include "optics/sampling.h"

namespace velmora::cli {

const char* const kDescription =
    "velmora-calc computes what a telescope and a camera give together: the 23 results of the Velmora window "
    "(resolving power, pixel field, limiting magnitudes, focal ratio, sensor diagonal and field, tube weight, "
    "and the kilometres one pixel covers on the Sun, the Moon and each planet), for an optical train with a "
    "barlow or reducer and binning, with advice on sampling under a given seeing, the bodies from a site, and "
    "the framing of deep-sky objects. Equipment comes from the "
    "options, from the built-in catalogue, from a user catalogue or from a FITS image's header; an explicit "
    "option overrides the others.";

const char* const kUsageLine = "usage: velmora-calc (--telescope NAME | --aperture MM --focal-length MM) (--camera "
                               "NAME | --pixel-size UM --width PX --height PX) [options]; see velmora-calc --help";

std::string helpFooter()
{
    std::string text = "\nSampling rules:\n";
    for (const optics::SamplingRule& rule : optics::kSamplingRules) {
        text += "  " + std::string(rule.id) + ": " + std::string(rule.statement) +
            ".\n  Source: " + std::string(rule.source) + ".\n\n";
    }
    return text +
        "Equipment names:\n"
        "  As the Velmora window's menus show them (CelestronFIRSTSCOPE114, vixenR150SDG); case, blanks and\n"
        "  punctuation do not matter, and the menus' object names are accepted too.\n\n"
        "FITS headers:\n"
        "  FOCALLEN (mm), XPIXSZ and YPIXSZ (micrometres, as stored, that is binned), XBINNING (1 when absent),\n"
        "  NAXIS1, NAXIS2 and, when present, APTDIA (mm). Compressed (.fz) images are read too. Options given\n"
        "  beside --fits fill what the header lacks.\n\n"
        "User catalogues (--catalogue, --export):\n"
        "  Three formats, recognised by their content:\n"
        "  - CSV with the header " +
        std::string(formats::kCatalogueCsvHeader) +
        ";\n"
        "    kind is telescope, camera or lens, and a kind's unused columns stay empty (files with the first\n"
        "    seven columns only are read too);\n"
        "  - the oculars file of a planetarium program (ocular.ini): [telescope] name, focalLength, diameter;\n"
        "    [ccd] name, resolutionX, resolutionY, pixel_width, pixel_height or chip_width, chip_height;\n"
        "    [lens] name, multipler; other sections and keys are skipped;\n"
        "  - Open Astronomy Log 2.x XML: scopes of oal:scopeType, imagers of oal:ccdCameraType and lenses,\n"
        "    named by vendor and model; document type declarations are refused.\n"
        "  A pixel size missing is the chip's size over the resolution; where both are given and differ by\n"
        "  more than 1%, a warning names the camera and the pixel size is used. With non-square pixels the\n"
        "  23 results take the width's pixel, the field of view and framing each axis's own. A later file's\n"
        "  entry replaces an earlier one of the same name, with a warning naming both. --export writes the\n"
        "  built-in and loaded equipment in any of the three formats to --output, replaced only when complete.\n\n"
        "Bodies (--date):\n"
        "  For each of the Sun, the Moon and the planets to Pluto: the geocentric distance (libnova: VSOP87,\n"
        "  ELP 2000-82B), the apparent diameter 2 atan(R/distance) with IAU equatorial radii, the km one pixel\n"
        "  covers, the disk in pixels, whether it fits the sensor, the frames of a full-disk mosaic with 10%\n"
        "  overlap, the illuminated fraction and, for Mars, Jupiter and Saturn, the longest capture before the\n"
        "  rotation moves the disk's centre by one pixel, P s / (pi theta). With --format csv the bodies are\n"
        "  the table. Pluto's series holds from 1885 to 2099 only.\n\n"
        "From a site (--site, with --date):\n"
        "  For each body, the altitude (topocentric, refracted for the site's air: ERFA's A tan z + B tan^3 z\n"
        "  down to 15 degrees, Saemundsson's formula, scaled to meet it, below) and azimuth (from north\n"
        "  through east); whether it rises and sets in the day around the date, always above or never\n"
        "  above (its upper limb, refracted, against the horizon); the rise, meridian transit (or, where it\n"
        "  crosses no meridian above the horizon, its highest point) and set of the pass holding the date,\n"
        "  or else the nearest one, the altitude at transit, the stretch of that night spent above\n"
        "  --min-altitude, the atmospheric dispersion across --band in arcseconds and pixels (a corrector is\n"
        "  advised past one pixel; below 5 degrees the figure is rough, as dispersion_rough says) and, with\n"
        "  --mount altaz, the field rotation Omega cos(lat) cos(az) / cos(alt) and the\n"
        "  longest exposure before a sensor corner moves a pixel. The Sun's altitude says night, twilight\n"
        "  or day. Times are UTC.\n\n"
        "Deep sky (--target, --frame, --suggest):\n"
        "  Objects of OpenNGC by Mattia Verga (https://github.com/mattiaverga/OpenNGC), licensed CC-BY-SA-4.0,\n"
        "  shipped in share/velmora/openngc (or the folder VELMORA_DATA_DIR names) with the licence. Names:\n"
        "  Messier, NGC and IC numbers, the catalogue's own (B33, Mel22) and common names (Andromeda Galaxy);\n"
        "  case, blanks and leading zeros do not matter. The field is 2 atan(size / 2f) per side. The camera\n"
        "  angle counts from north through east, with the sensor's width east-west at 0. The margin k is how\n"
        "  much the object could grow and still fit: it fits when k >= 1 and fills 1 / k of the field. When it\n"
        "  fits at no angle, the mosaic with the fewest frames (--overlap between neighbours, default 10%)\n"
        "  and its angle. A missing minor axis counts as round, a missing position angle as 0. --sweep\n"
        "  --target ranks every rig: those where it fits first, the largest fill first, then by fewest frames.\n\n"
        "Exit status:\n"
        "  0 done; 1 a result could not be computed (the results before it are printed);\n"
        "  2 bad usage or input (nothing is printed on standard output);\n"
        "  3 the output could not be written (standard output, the --svg or --output file) or the system\n"
        "    failed (memory ran out).\n\n"
        "Examples:\n"
        "  velmora-calc --telescope CelestronOTC8 --camera PhilipsVesta\n\n"
        "  velmora-calc --telescope TakahashiFS102 --camera ApogeeAP1ME --barlow 0.8 --seeing 2.5\n\n"
        "  velmora-calc --sweep --seeing 2 --format csv --sort-by pixel_field\n\n"
        "  velmora-calc --fits light.fits --seeing 3 --format json\n\n"
        "  velmora-calc --catalogue ~/.stellarium/modules/Oculars/ocular.ini --telescope \"Celestron Onyx 80EDF\" "
        "--camera \"EOS 450D (APS-C)\" --lens \"F/6.3 Reducer\"\n\n"
        "  velmora-calc --catalogue ocular.ini --export oal --output equipment.xml\n\n"
        "  velmora-calc --telescope CelestronOTC8 --camera PhilipsVesta --date 2026-12-06T21:00Z\n\n"
        "  velmora-calc --telescope CelestronOTC8 --camera PhilipsVesta --date now --frame jupiter --svg "
        "jupiter.svg\n\n"
        "  velmora-calc --telescope CelestronOTC8 --camera PhilipsVesta --date 2026-12-06T21:00Z --site 45.46,9.19,120 "
        "--mount altaz --band 610-700\n\n"
        "  velmora-calc --telescope CelestronOTC8 --camera StarlightXpressSXVH9 --frame M51 --svg m51.svg\n\n"
        "  velmora-calc --sweep --target \"Andromeda Galaxy\" --overlap 15\n\n"
        "  velmora-calc --telescope TakahashiFS102 --camera ApogeeAP1ME --suggest --type galaxy --max-magnitude 10\n";
}

} // namespace velmora::cli
