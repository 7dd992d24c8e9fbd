#include "run.h"

#include "command_line.h"
#include "computation_output.h"
#include "deep_sky_output.h"
#include "file_output.h"
#include "formats/input_error.h"
#include "formats/text_file.h"
#include "output_error.h"
#include "planning/catalogue_merge.h"
#include "planning/computation.h"
#include "planning/framing_svg.h"
#include "planning/rig_ranking.h"
#include "planning/suggestions.h"
#include "planning/sweep.h"
#include "planning/target_choice.h"
#include "records.h"
#include "refusal_text.h"
#include "usage_error.h"
#include "writers.h"

#include <array>
#include <cerrno>
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
    const auto table = rowWriter(out, options.style());
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

// The built-in catalogue with the user's, their warnings said as they come.
optics::EquipmentCatalogue loadCatalogue(const Options& options, std::ostream& err)
{
    return planning::mergeCatalogues(options.catalogues,
        [&err](const planning::MergeNote& note) { err << "velmora-calc: warning: " << mergeNoteText(note) << '\n'; });
}

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
    const planning::Sweep sweep(catalogue, options);
    saySkipped(err, sweep.skippedRigs(), options);
    const bool withSampling = options.seeing.has_value();
    if (options.format == Format::Text) {
        const auto table = rowWriter(out, options.style(), kSweepTextColumns);
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
        const auto table = rowWriter(stream, options.style(), {}, first);
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
    rowWriter(out, options.style(), {}, sweep.size())->finish();
}

// The --svg pictures, written before anything else is printed.
void writePictures(const planning::Computation& computation, const Options& options)
{
    if (computation.target && options.svg)
        replaceFile("--svg", *options.svg,
            planning::targetFramingSvg(
                *computation.target, computation.targetTonight ? &*computation.targetTonight : nullptr));
    if (computation.framedBody)
        replaceFile("--svg", *options.svg,
            planning::framingSvg(computation.sky->bodies[*computation.framedBody], computation.sky->moment));
}

// Writes the answer into `out`; returns the exit status. Every check that
// can refuse the request comes before the first write, so that a usage
// error leaves `out` untouched.
int answer(const Options& options, std::ostream& out, std::ostream& err)
{
    for (const std::string& warning : options.warnings)
        err << "velmora-calc: warning: " << warning << '\n';
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
    if (options.suggest)
        deepSky = planning::loadDeepSky();
    else if (options.target)
        deepSky = planning::loadDeepSkyFor(*options.target);
    if (options.sweep) {
        if (options.target) {
            const planning::RigRanking ranking = planning::rankRigs(options, catalogue, *deepSky);
            saySkipped(err, ranking.skipped, options);
            writeRigRanking(out, ranking.rigs, options.style());
        } else {
            writeSweep(out, err, catalogue, options);
        }
        return kDone;
    }
    if (options.suggest) {
        writeSuggestions(out, planning::suggestTargets(options, catalogue, *deepSky),
            options.observation && options.date, options.exposure.has_value(), options.style());
        return kDone;
    }
    const planning::Computation computation = planning::computeRig(options, catalogue, deepSky ? &*deepSky : nullptr);
    if (options.format == Format::Json && options.fits && !formats::isValidUtf8(*options.fits))
        err << "velmora-calc: warning: the --fits path is not UTF-8; JSON gives its stray bytes as U+FFFD\n";
    writePictures(computation, options);
    writeComputation(out, computation, options.style());
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
    } catch (const planning::Refusal& refusal) {
        err << "velmora-calc: " << refusalText(refusal) << '\n';
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
