#include "refusal_text.h"

#include "formats/exact_number.h"
#include "formats/readable_number.h"
#include "formats/strict_number.h"
#include "formats/text_file.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace velmora::cli {

namespace {

using planning::Reason;
using planning::Subject;

struct SubjectWords {
    Subject subject;
    const char* option;
    const char* noun; // "the aperture"
    const char* ways; // how to give a figure, or where to list names; may be empty
};

constexpr std::array kWords = {
    SubjectWords {Subject::Aperture, "--aperture", "the aperture", "--aperture, --telescope, or --fits with APTDIA"},
    SubjectWords {Subject::FocalLength, "--focal-length", "the focal length",
        "--focal-length, --telescope, or --fits with FOCALLEN"},
    SubjectWords {
        Subject::PixelSize, "--pixel-size", "the pixel size", "--pixel-size, --camera, or --fits with XPIXSZ"},
    SubjectWords {Subject::Width, "--width", "the sensor width", "--width, --camera or --fits"},
    SubjectWords {Subject::Height, "--height", "the sensor height", "--height, --camera or --fits"},
    SubjectWords {Subject::Telescope, "--telescope", "telescope", "telescopes"},
    SubjectWords {Subject::Camera, "--camera", "camera", "cameras"},
    SubjectWords {Subject::Lens, "--lens", "lens", "lenses"},
    SubjectWords {Subject::Catalogue, "--catalogue", "the catalogue", ""},
    SubjectWords {Subject::Fits, "--fits", "the FITS image", ""},
    SubjectWords {Subject::Binning, "--binning", "the binning", ""},
    SubjectWords {Subject::Overlap, "--overlap", "the overlap", ""},
    SubjectWords {Subject::Target, "--target", "deep-sky object", ""},
    SubjectWords {Subject::Suggest, "--suggest", "the suggestions", ""},
    SubjectWords {Subject::Frame, "--frame", "the body", ""},
    SubjectWords {Subject::Obstruction, "--obstruction", "the obstruction", ""},
    SubjectWords {Subject::Gain, "--gain", "the gain", "--gain"},
    SubjectWords {Subject::RankBy, "--rank-by", "the order", ""},
};

const SubjectWords& wordsFor(Subject subject)
{
    for (const SubjectWords& words : kWords) {
        if (words.subject == subject)
            return words;
    }
    throw std::logic_error("a refusal's subject has no words");
}

std::string number(double value)
{
    return formats::readableNumber(value);
}

// " (1.5 x 2 mm)" for a size that can be written; nothing for one that overflowed.
std::string sizeText(const std::vector<double>& figures, const char* unit)
{
    if (!std::isfinite(figures[0]) || !std::isfinite(figures[1]))
        return {};
    return " (" + formats::exactNumber(figures[0]) + " x " + formats::exactNumber(figures[1]) + " " + unit + ")";
}

// Why, after the option's name.
std::string reasonText(const planning::Refusal& refusal, const SubjectWords& words)
{
    const std::vector<double>& f = refusal.figures();
    const bool gains = refusal.subject() == Subject::Gain;
    const std::string table = refusal.bounds() ? "the camera file gives read noise at gains " +
            number(refusal.bounds()->lowest) + " to " + number(refusal.bounds()->highest)
                                               : std::string();
    switch (refusal.reason()) {
    case Reason::Missing:
        return std::string("missing ") + words.noun + (gains ? " (" + table + ")" : std::string());
    case Reason::OutOfBounds:
        if (gains)
            return "the gain " + number(f[0]) + " is outside the table: " + table;
        return std::string(words.noun) + " " + formats::exactNumber(f[0]) + " " + refusal.bounds()->refusal();
    case Reason::NotFound:
        return std::string("no ") + words.noun + " named " + formats::echoed(refusal.name()) +
            formats::didYouMean(refusal.closest());
    case Reason::NoLetters:
        return formats::echoed(refusal.name()) + " holds no letter or digit, and names go by those alone";
    case Reason::FileUnusable:
        return refusal.detail();
    case Reason::NoPixelField:
        return "the pixel field could not be computed, so nothing can be placed on the sensor";
    case Reason::OutsideSeries:
        return "the body's series does not cover " + formats::exactNumber(f[0]);
    case Reason::NoSize:
        return refusal.name() + " has no size in the catalogue, so it cannot be framed";
    case Reason::ChipNotFinite:
        return "the rig's chip" + sizeText(f, "mm") + " is not a positive finite size, so nothing can be framed on it";
    case Reason::FieldNotFinite:
        return "the rig's field" + sizeText(f, "arcmin") +
            " is not a positive finite size, so nothing can be framed on it";
    case Reason::NoWholeBinnedPixel:
        return formats::exactNumber(f[0]) + " leaves no whole binned pixel on a sensor of " + number(f[1]) + " x " +
            number(f[2]) + " px";
    case Reason::ObstructionTooLarge:
        return "the obstruction " + number(f[0]) + " mm is not smaller than the aperture " + number(f[1]) + " mm";
    case Reason::NeedsSiteAndDate:
        return "usable hours need a site and a date";
    case Reason::NeedsExposure:
        return "the hours needed are known only with the exposure's figures, such as the sky's brightness";
    }
    throw std::logic_error("a refusal's reason has no words");
}

} // namespace

std::string mergeNoteText(const planning::MergeNote& note)
{
    using Kind = planning::MergeNote::Kind;
    if (!note.readerSaid.empty())
        return note.readerSaid;
    const char* kind = note.kind == Kind::Telescope ? "telescope" : note.kind == Kind::Camera ? "camera" : "lens";
    return std::string("the ") + kind + " " + formats::echoed(note.name) + " of " + formats::echoed(note.path) +
        " replaces the one of " + (note.replaced ? formats::echoed(*note.replaced) : "the built-in catalogue");
}

std::string refusalText(const planning::Refusal& refusal)
{
    const SubjectWords& words = wordsFor(refusal.subject());
    if (refusal.missing())
        return reasonText(refusal, words) + ": give " + words.ways;
    const bool namesEquipment = refusal.subject() == Subject::Telescope || refusal.subject() == Subject::Camera ||
        refusal.subject() == Subject::Lens;
    return std::string(words.option) + ": " + reasonText(refusal, words) +
        (namesEquipment ? std::string("; see --list ") + words.ways : std::string());
}

} // namespace velmora::cli
