#include "equipment_choice.h"

#include "formats/equipment_file.h"
#include "formats/fits_header.h"
#include "formats/input_error.h"
#include "formats/strict_number.h"
#include "formats/text_file.h"
#include "number_texts.h"
#include "usage_error.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>

namespace velmora::cli {

namespace {

// A figure and its source, while the layers are applied.
struct Layered {
    std::optional<double> value;
    std::string source;

    void over(const std::optional<double>& newer, const std::string& from)
    {
        if (newer)
            value = newer, source = from;
    }
};

double required(const Layered& figure, const char* what, const char* sources)
{
    if (!figure.value)
        throw UsageError(std::string("missing the ") + what + ": give " + sources);
    return *figure.value;
}

template <typename Item>
const Item& lookUp(const optics::Shelf<Item>& shelf, const std::string& name, const char* option, const char* kind,
    const char* listing)
{
    if (const Item* item = shelf.find(name))
        return *item;
    if (optics::nameKey(name).empty())
        throw UsageError(std::string(option) + ": " + formats::echoed(name) +
            " holds no letter or digit, and names go by those alone; see --list " + listing);
    throw UsageError(std::string(option) + ": no " + kind + " named " + formats::echoed(name) +
        didYouMean(shelf.closest(name)) + "; see --list " + listing);
}

} // namespace

namespace {

// The file each entry of a shelf came from, by position: an index into the
// catalogues' paths, or none for the built-in catalogue.
using Origins = std::vector<std::optional<std::uint32_t>>;

// After file number `file` was read onto `shelf` in a layer: which entries
// it brought, and a warning for each earlier one it replaced with another.
template <typename Item>
void noteLayer(const optics::Shelf<Item>& shelf, const char* kind, const std::vector<std::string>& paths,
    std::uint32_t file, Origins& origins, std::ostream& err)
{
    for (const auto& replacement : shelf.replacements()) {
        const auto earlier = origins[replacement.position];
        if (replacement.differs)
            err << "velmora-calc: warning: the " << kind << " "
                << formats::echoed(shelf.items()[replacement.position].name) << " of " << formats::echoed(paths[file])
                << " replaces the one of "
                << (earlier ? formats::echoed(paths[*earlier]) : std::string("the built-in catalogue")) << '\n';
        origins[replacement.position] = file;
    }
    origins.resize(shelf.items().size(), file);
}

} // namespace

optics::EquipmentCatalogue loadCatalogue(const Options& options, std::ostream& err)
{
    // Each file is read straight onto what came before, in a layer of its
    // own: a catalogue of millions of entries is held once.
    optics::EquipmentCatalogue catalogue = optics::builtInCatalogue();
    Origins telescopes(catalogue.telescopes.items().size());
    Origins cameras(catalogue.cameras.items().size());
    Origins lenses(catalogue.lenses.items().size());
    const std::vector<std::string>& paths = options.catalogues;
    for (std::uint32_t number = 0; number < paths.size(); ++number) {
        const std::string& path = paths[number];
        catalogue.telescopes.beginLayer();
        catalogue.cameras.beginLayer();
        catalogue.lenses.beginLayer();
        std::vector<std::string> warnings;
        try {
            warnings = formats::readEquipmentOnto(formats::readRegularFile(path), path, catalogue);
        } catch (const formats::InputError& error) {
            throw UsageError(std::string("--catalogue: ") + error.what());
        }
        for (const std::string& warning : warnings)
            err << "velmora-calc: warning: " << warning << '\n';
        noteLayer(catalogue.telescopes, "telescope", paths, number, telescopes, err);
        noteLayer(catalogue.cameras, "camera", paths, number, cameras, err);
        noteLayer(catalogue.lenses, "lens", paths, number, lenses, err);
    }
    return catalogue;
}

ChosenTrain chooseTrain(const Options& options, const optics::EquipmentCatalogue& catalogue)
{
    ChosenTrain chosen {};
    Layered aperture, focalLength, pixelSize, width, height, binning {1.0, "default"};
    const optics::Telescope* telescope = nullptr;
    const optics::Camera* camera = nullptr;
    if (options.telescope) {
        telescope = &lookUp(catalogue.telescopes, *options.telescope, "--telescope", "telescope", "telescopes");
        const std::string from = "telescope " + telescope->name;
        aperture.over(telescope->aperture, from);
        focalLength.over(telescope->focalLength, from);
    }
    const optics::Lens* lens =
        options.lens ? &lookUp(catalogue.lenses, *options.lens, "--lens", "lens", "lenses") : nullptr;
    if (options.camera) {
        camera = &lookUp(catalogue.cameras, *options.camera, "--camera", "camera", "cameras");
        const std::string from = "camera " + camera->name;
        pixelSize.over(camera->pixelSize, from);
        width.over(camera->width, from);
        height.over(camera->height, from);
    }
    if (options.fits) {
        formats::FitsSetup fits {};
        try {
            fits = formats::readFitsSetup(*options.fits);
        } catch (const formats::InputError& error) {
            throw UsageError(std::string("--fits: ") + error.what());
        }
        const std::string from = "FITS " + *options.fits;
        aperture.over(fits.aperture, from);
        focalLength.over(fits.focalLength, from);
        pixelSize.over(fits.pixelSize, from);
        width.over(fits.width, from);
        height.over(fits.height, from);
        binning.over(double(fits.binning), from);
    }
    aperture.over(options.aperture, "option");
    focalLength.over(options.focalLength, "option");
    pixelSize.over(options.pixelSize, "option");
    width.over(options.width, "option");
    height.over(options.height, "option");
    if (options.binning)
        binning.over(double(*options.binning), "option");

    optics::OpticalTrain& train = chosen.train;
    train.aperture = required(aperture, "aperture", "--aperture, --telescope, or --fits with APTDIA");
    train.focalLength = required(focalLength, "focal length", "--focal-length, --telescope, or --fits with FOCALLEN");
    train.pixelSize = required(pixelSize, "pixel size", "--pixel-size, --camera, or --fits with XPIXSZ");
    train.width = required(width, "sensor width", "--width, --camera or --fits");
    train.height = required(height, "sensor height", "--height, --camera or --fits");
    train.barlow = lens ? lens->factor : options.barlow;
    // A camera's own pixel height holds while its pixel width is the one used.
    if (camera && pixelSize.source == "camera " + camera->name)
        train.pixelHeight = camera->pixelHeight;
    train.binning = static_cast<int>(*binning.value);
    if (!train.hasWholeBinnedPixel())
        throw UsageError("--binning: " + std::to_string(train.binning) +
            " leaves no whole binned pixel on a sensor of " + readableNumber(train.width) + " x " +
            readableNumber(train.height) + " px");

    chosen.sources = {
        aperture.source, focalLength.source, pixelSize.source, width.source, height.source, binning.source};
    const auto usedFrom = [](std::initializer_list<const Layered*> figures, const std::string& from) {
        return std::ranges::any_of(figures, [&](const Layered* figure) { return figure->source == from; });
    };
    if (telescope && usedFrom({&aperture, &focalLength}, "telescope " + telescope->name))
        chosen.telescope = telescope->name;
    if (camera && usedFrom({&pixelSize, &width, &height}, "camera " + camera->name))
        chosen.camera = camera->name;
    return chosen;
}

} // namespace velmora::cli
