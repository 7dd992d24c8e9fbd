#include "run.h"

#include "command_line.h"
#include "computation.h"
#include "output.h"
#include "train_from_request.h"
#include "usage_error.h"

#include <ostream>

namespace velmora::cli {

namespace {

// --list and --sweep work on the catalogue as a whole: options naming one
// piece of equipment have no place beside them.
void rejectEquipment(const Request& request, const char* mode)
{
    const bool named = request.aperture || request.focalLength || request.pixelSize || request.width ||
        request.height || !request.telescope.empty() || !request.camera.empty() || !request.fits.empty();
    if (named)
        throw UsageError(std::string(mode) + " covers the whole catalogue; leave out the equipment options");
}

std::string_view englishCause(FailureCause cause)
{
    switch (cause) {
    case FailureCause::DivisionByZero:
        return "division by zero";
    case FailureCause::Overflow:
        return "a value beyond the range of a double";
    case FailureCause::LogarithmOfNonPositive:
        return "logarithm of zero or of a negative number";
    }
    return {};
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

    Computation computation = compute(trainFromRequest(request, catalogue), samplingRequestOf(request));
    if (const TelescopeEntry* telescope = findTelescope(catalogue, request.telescope))
        computation.telescope = telescope->name;
    if (const CameraEntry* camera = findCamera(catalogue, request.camera))
        computation.camera = camera->name;
    writeComputation(out, computation, request.format);
    if (const auto& failure = computation.outcome.failure) {
        err << "velmora-calc: cannot compute " << failure->quantity->id << ": " << englishCause(failure->cause)
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
