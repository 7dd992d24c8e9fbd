#include "run.h"

#include "command_line.h"
#include "computation.h"
#include "framing_svg.h"
#include "output.h"
#include "train_from_request.h"
#include "usage_error.h"

#include <fstream>
#include <ostream>

namespace velmora::cli {

namespace {

// --list and --sweep work on the catalogue as a whole: options naming one
// piece of equipment have no place beside them.
void rejectEquipment(const Request& request, const char* mode)
{
    const bool named = request.aperture || request.focalLength || request.pixelSize || request.width ||
        request.height || !request.telescope.empty() || !request.camera.empty() || !request.fits.empty() ||
        !request.date.empty() || !request.frame.empty();
    if (named)
        throw UsageError(std::string(mode) + " covers the whole catalogue; leave out the equipment, --date and --frame options");
}

const std::vector<BodyView> kNoBodies;

// The --frame picture, written before anything else is printed.
void writeFraming(const Computation& computation, const std::string& body, const std::string& path)
{
    const BodyView* view = nullptr;
    for (const BodyView& candidate : computation.sky ? computation.sky->bodies : kNoBodies) {
        if (candidate.facts->name == body)
            view = &candidate;
    }
    if (!view)
        throw UsageError("--frame: " + body + " cannot be placed on that date with this equipment");
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << framingSvg(*view, computation.train, computation.sky->date);
    if (!file.flush())
        throw UsageError("--svg: cannot write '" + path + "'");
}

// Writes the request's answer into `out`; returns the exit status. Every
// check that can refuse the request comes before the first write, so that a
// usage error leaves `out` untouched.
int answer(const Request& request, std::ostream& out, std::ostream& err)
{
    EquipmentCatalogue catalogue = builtInCatalogue();
    if (!request.catalogue.empty())
        addUserCatalogue(catalogue, request.catalogue);

    if (!request.list.empty()) {
        rejectEquipment(request, "--list");
        if (request.list == "telescopes")
            writeTelescopes(out, catalogue.telescopes, request.format);
        else
            writeCameras(out, catalogue.cameras, request.format);
        return 0;
    }
    if (request.sweep) {
        rejectEquipment(request, "--sweep");
        writeSweep(out, sweep(catalogue, request), request.seeing.has_value(), request.format);
        return 0;
    }
    if (!request.sortBy.empty())
        throw UsageError("--sort-by: goes with --sweep");

    if (request.frame.empty() != request.svg.empty())
        throw UsageError(request.frame.empty() ? "--svg: goes with --frame" : "--frame: needs --svg FILE");
    if (!request.frame.empty() && request.date.empty())
        throw UsageError("--frame: needs --date");
    const std::optional<SkyDate> date =
        request.date.empty() ? std::nullopt : std::optional<SkyDate>(parseSkyDate(request.date));

    Computation computation = compute(trainFromRequest(request, catalogue), samplingRequestOf(request));
    if (const auto pixelField = pixelFieldOf(computation); date && pixelField && *pixelField > 0)
        computation.sky = SkyView {*date, viewSky(computation.train, *pixelField, *date)};
    if (!request.frame.empty())
        writeFraming(computation, request.frame, request.svg);
    if (const TelescopeEntry* telescope = findTelescope(catalogue, request.telescope))
        computation.telescope = telescope->name;
    if (const CameraEntry* camera = findCamera(catalogue, request.camera))
        computation.camera = camera->name;
    writeComputation(out, computation, request.format);
    if (const auto& failure = computation.outcome.failure) {
        err << "velmora-calc: cannot compute " << failure->quantity->id << ": " << englishCauseText(failure->cause)
            << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    try {
        const auto parsed = parseCommandLine(argc, argv, out);
        if (const int* status = std::get_if<int>(&parsed))
            return *status;
        return answer(std::get<Request>(parsed), out, err);
    } catch (const UsageError& error) {
        err << "velmora-calc: " << error.what() << '\n';
        return 2;
    }
}

} // namespace velmora::cli
