#include "command_line.h"

#include "calc/app_identity.h"
#include "sampling.h"
#include "usage_error.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

namespace velmora::cli {

namespace {

constexpr const char* kDescription =
    "velmora-calc computes what a telescope and a camera give together: the 23 results of the Velmora window "
    "(resolving power, pixel field, limiting magnitudes, focal ratio, sensor diagonal and field, tube weight, "
    "and the kilometres one pixel covers on the Sun, the Moon and each planet), for an optical train with a "
    "barlow or reducer and binning, with advice on sampling under a given seeing. Equipment comes from the "
    "options, from the built-in catalogue, from a user catalogue or from a FITS image's header; an explicit "
    "option overrides the others.";

// The end of --help, laid out so that help2man makes each heading a
// section of the man page.
std::string footer()
{
    std::string text = "\nSampling rules:\n";
    for (const SamplingRule& rule : kSamplingRules) {
        text += "  " + std::string(rule.id) + ": " + std::string(rule.statement) + ".\n  Source: " +
            std::string(rule.source) + ".\n\n";
    }
    return text +
        "FITS headers:\n"
        "  FOCALLEN (mm), XPIXSZ and YPIXSZ (micrometres, as stored, that is binned), XBINNING (1 when absent),\n"
        "  NAXIS1, NAXIS2 and, when present, APTDIA (mm). Compressed (.fz) images are read too.\n\n"
        "User catalogue:\n"
        "  A CSV file with the header kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px;\n"
        "  kind is telescope or camera, and a kind's unused columns stay empty.\n\n"
        "Bodies (--date):\n"
        "  For each of the Sun, the Moon and the planets to Pluto: the geocentric distance (libnova: VSOP87,\n"
        "  ELP 2000-82B), the apparent diameter 2 atan(R/distance) with IAU equatorial radii, the km one pixel\n"
        "  covers, the disk in pixels, whether it fits the sensor, the frames of a full-disk mosaic with 10%\n"
        "  overlap, the illuminated fraction and, for Mars, Jupiter and Saturn, the longest capture before the\n"
        "  rotation moves the disk's centre by one pixel, P s / (pi theta). With --format csv the bodies are\n"
        "  the table. Pluto's series holds from 1885 to 2099 only.\n\n"
        "Exit status:\n"
        "  0 done; 1 a result could not be computed (the results before it are printed);\n"
        "  2 bad usage or input (nothing is printed on standard output).\n\n"
        "Examples:\n"
        "  velmora-calc --telescope CelestronOTC8 --camera PhilipsVesta\n\n"
        "  velmora-calc --telescope TakahashiFS102 --camera ApogeeAP1ME --barlow 0.8 --seeing 2.5\n\n"
        "  velmora-calc --sweep --seeing 2 --format csv --sort-by pixel_field\n\n"
        "  velmora-calc --fits light.fits --seeing 3 --format json\n\n"
        "  velmora-calc --telescope CelestronOTC8 --camera PhilipsVesta --date 2026-12-06T21:00Z\n\n"
        "  velmora-calc --telescope CelestronOTC8 --camera PhilipsVesta --date now --frame jupiter --svg jupiter.svg\n";
}

void keep(CLI::Option* option, const std::string& text, std::optional<std::string>& target)
{
    if (option->count() > 0)
        target = text;
}

} // namespace

std::variant<Request, int> parseCommandLine(int argc, const char* const* argv, std::ostream& out)
{
    Request request;
    CLI::App app(kDescription, "velmora-calc");
    app.footer(footer());
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast); // the last one counts
    app.set_version_flag("--version", "velmora-calc " + std::string(kVersionText));

    std::string aperture, focalLength, pixelSize, width, height, seeing, format = "text";
    auto* apertureOption = app.add_option("--aperture", aperture, "Telescope aperture")->type_name("MM");
    auto* focalOption = app.add_option("--focal-length", focalLength, "Telescope focal length")->type_name("MM");
    auto* pixelOption = app.add_option("--pixel-size", pixelSize, "Camera pixel size, unbinned")->type_name("UM");
    auto* widthOption = app.add_option("--width", width, "Sensor width, unbinned")->type_name("PX");
    auto* heightOption = app.add_option("--height", height, "Sensor height, unbinned")->type_name("PX");
    app.add_option("--telescope", request.telescope, "Telescope from the catalogue (case-insensitive)")
        ->type_name("NAME");
    app.add_option("--camera", request.camera, "Camera from the catalogue (case-insensitive)")->type_name("NAME");
    app.add_option("--fits", request.fits, "Take the setup from this FITS image's header (.fz too)")
        ->type_name("FILE");
    app.add_option("--catalogue", request.catalogue, "Add the telescopes and cameras of this CSV file")
        ->type_name("FILE");
    app.add_option("--barlow", request.barlow, "Barlow factor; below 1 a reducer (default 1)")->type_name("X");
    auto* binningOption =
        app.add_option("--binning", request.binning, "Binning, a whole number from 1 to 8 (default 1)")
            ->type_name("N");
    auto* seeingOption =
        app.add_option("--seeing", seeing, "Star FWHM, for the sampling advice")->type_name("ARCSEC");
    app.add_option("--wavelength", request.wavelength, "Wavelength of the planetary sampling (default 550)")
        ->type_name("NM");
    app.add_option("--sampling-rule", request.samplingRule, "Sampling rule: 2-3 (default) or howell")
        ->type_name("RULE")
        ->check(CLI::IsMember({"2-3", "howell"}));
    app.add_option("--format", format, "Output: text (default), json or csv")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"text", "json", "csv"}));
    app.add_option("--list", request.list, "List the telescopes or the cameras")
        ->type_name("WHAT")
        ->check(CLI::IsMember({"telescopes", "cameras"}));
    app.add_flag("--sweep", request.sweep, "Compute every telescope with every camera");
    app.add_option("--date", request.date,
           "The Sun, the Moon and the planets on this UTC date: YYYY-MM-DD, YYYY-MM-DDTHH:MMZ or now")
        ->type_name("WHEN");
    app.add_option("--frame", request.frame, "Picture this body on the sensor on --date (with --svg)")
        ->type_name("BODY")
        ->check(CLI::IsMember({"sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune",
            "pluto"}));
    app.add_option("--svg", request.svg, "Where --frame writes its SVG picture")->type_name("FILE");
    app.add_option("--sort-by", request.sortBy, "Sort the sweep by this result, ascending")->type_name("ID");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return 0;
    } catch (const CLI::ParseError& error) {
        throw UsageError(error.what());
    }
    keep(apertureOption, aperture, request.aperture);
    keep(focalOption, focalLength, request.focalLength);
    keep(pixelOption, pixelSize, request.pixelSize);
    keep(widthOption, width, request.width);
    keep(heightOption, height, request.height);
    keep(seeingOption, seeing, request.seeing);
    request.binningGiven = binningOption->count() > 0;
    request.format = format == "json" ? Format::Json : format == "csv" ? Format::Csv : Format::Text;
    return request;
}

} // namespace velmora::cli
