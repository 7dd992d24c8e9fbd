#include "train_choice.h"

#include "formats/fits_header.h"
#include "formats/input_error.h"
#include "refusal.h"

#include <algorithm>
#include <optional>

namespace velmora::planning {

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

double required(const Layered& figure, Subject subject)
{
    if (!figure.value)
        throw Refusal::missing(subject);
    return *figure.value;
}

template <typename Item> const Item& lookUp(const optics::Shelf<Item>& shelf, const std::string& name, Subject subject)
{
    if (const Item* item = shelf.find(name))
        return *item;
    if (optics::nameKey(name).empty())
        throw Refusal::aboutName(subject, Reason::NoLetters, name);
    throw Refusal::aboutName(subject, Reason::NotFound, name, shelf.closest(name));
}

} // namespace

ChosenTrain chooseTrain(const Request& request, const optics::EquipmentCatalogue& catalogue)
{
    ChosenTrain chosen {};
    Layered aperture, focalLength, pixelSize, width, height, binning {1.0, "default"};
    const optics::Telescope* telescope = nullptr;
    const optics::Camera* camera = nullptr;
    if (request.telescope) {
        telescope = &lookUp(catalogue.telescopes, *request.telescope, Subject::Telescope);
        const std::string from = "telescope " + telescope->name;
        aperture.over(telescope->aperture, from);
        focalLength.over(telescope->focalLength, from);
    }
    const optics::Lens* lens = request.lens ? &lookUp(catalogue.lenses, *request.lens, Subject::Lens) : nullptr;
    if (request.camera) {
        camera = &lookUp(catalogue.cameras, *request.camera, Subject::Camera);
        const std::string from = "camera " + camera->name;
        pixelSize.over(camera->pixelSize, from);
        width.over(camera->width, from);
        height.over(camera->height, from);
    }
    if (request.fits) {
        formats::FitsSetup fits {};
        try {
            fits = formats::readFitsSetup(*request.fits);
        } catch (const formats::InputError& error) {
            throw Refusal::aboutFile(Subject::Fits, error, *request.fits);
        }
        const std::string from = "FITS " + *request.fits;
        aperture.over(fits.aperture, from);
        focalLength.over(fits.focalLength, from);
        pixelSize.over(fits.pixelSize, from);
        width.over(fits.width, from);
        height.over(fits.height, from);
        binning.over(double(fits.binning), from);
    }
    aperture.over(request.aperture, "option");
    focalLength.over(request.focalLength, "option");
    pixelSize.over(request.pixelSize, "option");
    width.over(request.width, "option");
    height.over(request.height, "option");
    if (request.binning)
        binning.over(double(*request.binning), "option");

    optics::OpticalTrain& train = chosen.train;
    train.aperture = required(aperture, Subject::Aperture);
    train.focalLength = required(focalLength, Subject::FocalLength);
    train.pixelSize = required(pixelSize, Subject::PixelSize);
    train.width = required(width, Subject::Width);
    train.height = required(height, Subject::Height);
    train.barlow = lens ? lens->factor : request.barlow;
    // A camera's own pixel height holds while its pixel width is the one used.
    if (camera && pixelSize.source == "camera " + camera->name)
        train.pixelHeight = camera->pixelHeight;
    train.binning = static_cast<int>(*binning.value);
    if (!train.hasWholeBinnedPixel())
        throw Refusal(Subject::Binning, Reason::NoWholeBinnedPixel, {double(train.binning), train.width, train.height});

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

optics::OpticalTrain trainOf(const optics::Telescope& telescope, const optics::Camera& camera, const Request& request)
{
    return {telescope.aperture, telescope.focalLength, camera.pixelSize, camera.width, camera.height, request.barlow,
        request.binning.value_or(1), camera.pixelHeight};
}

} // namespace velmora::planning
