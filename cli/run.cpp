#include "run.h"

#include "command_line.h"
#include "computation.h"
#include "computation_output.h"
#include "deep_sky_choice.h"
#include "deep_sky_output.h"
#include "equipment_choice.h"
#include "file_output.h"
#include "formats/exact_number.h"
#include "formats/input_error.h"
#include "formats/text_file.h"
#include "framing_svg.h"
#include "number_texts.h"
#include "output_error.h"
#include "records.h"
#include "usage_error.h"
#include "writers.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <deque>
#include <future>
#include <new>
#include <ostream>
#include <streambuf>

namespace velmora::cli {

namespace {

// Output that stopped being written is an error, found as soon as a row fails.
void checkWritten(std::ostream& out)
{
    if (!out)
        throw OutputError(std::string("cannot write to standard output: ") + std::strerror(errno ? errno : EIO));
}

// The sweep's text table shows the figures people compare rigs by.
const std::vector<std::string_view> kSweepTextColumns = {
    "telescope", "camera", "focal_ratio", "pixel_field", "sensor_field_width", "sensor_field_height", "verdict"};

void writeList(std::ostream& out, const optics::EquipmentCatalogue& catalogue, const Options& options)
{
    const auto table = rowWriter(out, options.format);
    switch (*options.list) {
    case Listing::Telescopes:
        for (const optics::Telescope& telescope : catalogue.telescopes.items())
            table->row(telescopeRecord(telescope));
        break;
    case Listing::Cameras:
        for (const optics::Camera& camera : catalogue.cameras.items())
            table->row(cameraRecord(camera));
        break;
    case Listing::Lenses:
        for (const optics::Lens& lens : catalogue.lenses.items())
            table->row(lensRecord(lens));
        break;
    }
    table->finish();
}

// A stream that appends to a string and keeps its room when the string is
// cleared; the standard string streams give up their buffer instead.
class StringAppender final : public std::streambuf {
public:
    explicit StringAppender(std::string& text) : text_(text) { }

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            text_.push_back(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        text_.append(text, static_cast<std::size_t>(count));
        return count;
    }

private:
    std::string& text_;
};

// Rigs a sweep or a ranking leaves out, said on standard error.
void saySkipped(std::ostream& err, std::size_t rigs, const Options& options)
{
    if (rigs > 0)
        err << "velmora-calc: warning: " << rigs << (rigs == 1 ? " rig" : " rigs") << " skipped: binned "
            << options.binning.value_or(1) << "x" << options.binning.value_or(1)
            << ", the camera keeps no whole pixel\n";
}

// JSON and CSV rows are made in pieces on two threads while the pieces
// before them are written: a million rows take half the time. Text comes
// from one thread, as its table measures its first rows.
void writeSweep(
    std::ostream& out, std::ostream& err, const optics::EquipmentCatalogue& catalogue, const Options& options)
{
    const Sweep sweep(catalogue, options);
    saySkipped(err, sweep.skippedCameras() * catalogue.telescopes.items().size(), options);
    const bool withSampling = options.seeing.has_value();
    if (options.format == Format::Text) {
        const auto table = rowWriter(out, options.format, kSweepTextColumns);
        Record record;
        for (std::size_t i = 0; i < sweep.size(); ++i) {
            sweepRecord(sweep.row(i), withSampling, record);
            table->row(record);
            checkWritten(out);
        }
        return table->finish();
    }
    constexpr std::size_t kRowsAPiece = 1024;
    // Two pieces are under way at most, each in a buffer of its own that
    // keeps its room from piece to piece.
    std::array<std::string, 2> buffers;
    const auto piece = [&](std::size_t first) {
        std::string& text = buffers[first / kRowsAPiece % buffers.size()];
        text.clear();
        StringAppender appender(text);
        std::ostream stream(&appender);
        const auto table = rowWriter(stream, options.format, {}, first);
        Record record;
        for (std::size_t i = first; i < std::min(first + kRowsAPiece, sweep.size()); ++i) {
            sweepRecord(sweep.row(i), withSampling, record);
            table->row(record);
        }
        return &text;
    };
    std::deque<std::future<std::string*>> pending;
    for (std::size_t first = 0; first < sweep.size() || !pending.empty(); first += kRowsAPiece) {
        if (first < sweep.size())
            pending.push_back(std::async(std::launch::async, piece, first));
        if (pending.size() == buffers.size() || first >= sweep.size()) {
            out << *pending.front().get();
            pending.pop_front();
            checkWritten(out);
        }
    }
    rowWriter(out, options.format, {}, sweep.size())->finish();
}

// The --frame picture, written before anything else is printed.
void writeFraming(const Computation& computation, const Options& options)
{
    const sky::BodyFacts& body = *options.frame;
    if (!computation.sky)
        throw UsageError("--frame: the pixel field could not be computed, so nothing can be placed on the sensor");
    if (!sky::covers(body.body, options.date->year))
        throw UsageError(
            "--frame: " + std::string(body.name) + "'s series does not cover " + std::to_string(options.date->year));
    for (const sky::BodyView& view : computation.sky->bodies) {
        if (view.facts != &body)
            continue;
        if (view.fromSite && view.fromSite->altitude < 0)
            throw UsageError("--frame: " + std::string(body.name) + " is below the horizon there (altitude " +
                readableNumber(view.fromSite->altitude) + " deg)");
        return replaceFile("--svg", *options.svg, framingSvg(view, computation.sky->moment));
    }
}

// The --frame picture of a deep-sky object.
void writeTargetFraming(const sky::TargetFraming& framing, const Options& options)
{
    replaceFile("--svg", *options.svg, targetFramingSvg(framing));
}

// Writes the answer into `out`; returns the exit status. Every check that
// can refuse the request comes before the first write, so that a usage
// error leaves `out` untouched.
int answer(const Options& options, std::ostream& out, std::ostream& err)
{
    const optics::EquipmentCatalogue catalogue = loadCatalogue(options, err);
    if (options.exportFormat) {
        replaceFile("--output", *options.output, formats::equipmentText(catalogue, *options.exportFormat));
        return kDone;
    }
    if (options.list) {
        writeList(out, catalogue, options);
        return kDone;
    }
    std::optional<sky::DeepSkyCatalogue> deepSky;
    std::optional<ChosenTarget> target;
    if (options.target || options.suggest)
        deepSky = loadDeepSky();
    if (options.target)
        target = chooseTarget(*deepSky, *options.target);
    if (options.sweep) {
        if (target) {
            const std::vector<RigFraming> rigs = rankRigs(catalogue, options, *target);
            saySkipped(
                err, catalogue.telescopes.items().size() * catalogue.cameras.items().size() - rigs.size(), options);
            writeRigRanking(out, rigs, options.format);
        } else {
            writeSweep(out, err, catalogue, options);
        }
        return kDone;
    }
    const ChosenTrain chosen = chooseTrain(options, catalogue);
    if (options.format == Format::Json && options.fits && !formats::isValidUtf8(*options.fits))
        err << "velmora-calc: warning: the --fits path is not UTF-8; JSON gives its stray bytes as U+FFFD\n";
    const sky::SkyField field = sky::skyFieldOf(chosen.train);
    if ((target || options.suggest) && !field.isPositiveAndFinite())
        throw UsageError(std::string(target ? "--target" : "--suggest") + ": the rig's field" +
            (std::isfinite(field.width) && std::isfinite(field.height)
                    ? " (" + formats::exactNumber(field.width) + " x " + formats::exactNumber(field.height) + " arcmin)"
                    : std::string()) +
            " is not a positive finite size, so nothing can be framed on it");
    if (options.suggest) {
        writeSuggestions(out, sky::suggestTargets(*deepSky, field, options.suggestion), options.format);
        return kDone;
    }
    Computation computation = compute(chosen, options);
    if (target) {
        computation.target = sky::frameTarget(*target->object, target->shape, field, options.overlap);
        if (options.svg)
            writeTargetFraming(*computation.target, options);
    }
    if (options.frame)
        writeFraming(computation, options);
    writeComputation(out, computation, options.format);
    if (const auto& failure = computation.outcome.failure) {
        err << "velmora-calc: cannot compute " << failure->quantity->id << ": " << englishCauseText(failure->cause)
            << '\n';
        return kNotComputed;
    }
    return kDone;
}

} // namespace

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    try {
        const auto parsed = parseCommandLine(argc, argv, out);
        int status =
            std::holds_alternative<int>(parsed) ? std::get<int>(parsed) : answer(std::get<Options>(parsed), out, err);
        out.flush();
        checkWritten(out);
        return status;
    } catch (const UsageError& error) {
        err << "velmora-calc: " << error.what() << '\n';
        return kBadInput;
    } catch (const formats::InputError& error) {
        err << "velmora-calc: " << error.what() << '\n';
        return kBadInput;
    } catch (const OutputError& error) {
        err << "velmora-calc: " << error.what() << '\n';
        return kOutputFailed;
    } catch (const std::bad_alloc&) {
        err << "velmora-calc: out of memory\n";
        return kOutputFailed;
    } catch (const std::exception& error) {
        err << "velmora-calc: internal error: " << error.what() << '\n';
        return kOutputFailed;
    }
}

} // namespace velmora::cli
