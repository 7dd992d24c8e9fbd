#pragma once

#include "formats/input_error.h"
#include "optics/plausible_range.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace velmora::planning {

// The part of a request a refusal is about; each front end names it in its
// own words (an option, a field of a form).
enum class Subject {
    Aperture,
    FocalLength,
    PixelSize,
    Width,
    Height,
    Telescope,
    Camera,
    Lens,
    Catalogue,
    Fits,
    Binning,
    Overlap,
    Target,
    Suggest,
    Frame,
    Obstruction,
    Gain,
    RankBy,
};

// Why a request cannot be answered. Each front end words it; the figures
// and names it needs come with the refusal.
enum class Reason {
    Missing, // nobody gave the figure; `bounds` when the figure has some
    OutOfBounds, // figures()[0] lies outside `bounds`
    NotFound, // nothing is named `name`; `closest` holds the nearest names
    NoLetters, // `name` holds no letter or digit, and names go by those alone
    FileUnusable, // the file at `path` could not be used: `fileProblem`, the reader's `detail`
    NoPixelField, // the pixel field could not be computed, so nothing can be placed on the sensor
    OutsideSeries, // the body's series do not cover the year figures()[0]
    NoSize, // `name` has no size in the catalogue, so it cannot be framed
    ChipNotFinite, // the chip, figures() = width, height in mm, is no positive finite size
    FieldNotFinite, // the field, figures() = width, height in arcmin, is no positive finite size
    NoWholeBinnedPixel, // binning figures()[0] on a sensor of figures()[1] x figures()[2] pixels
    ObstructionTooLarge, // figures()[0] mm is not smaller than the aperture, figures()[1] mm
    NeedsSiteAndDate, // what is asked needs a site and a date
    NeedsExposure, // what is asked needs the exposure's figures
};

// A request that cannot be answered: what it is about and why, as a
// structure a front end words, never as a sentence.
class Refusal : public std::exception {
public:
    Refusal(Subject subject, Reason reason, std::vector<double> figures = {}) :
          subject_(subject), reason_(reason), figures_(std::move(figures))
    {
    }
    // A figure nobody gave, with its bounds when it has some.
    static Refusal missing(Subject subject, std::optional<optics::PlausibleRange> bounds = std::nullopt)
    {
        Refusal refusal(subject, Reason::Missing);
        refusal.bounds_ = bounds;
        return refusal;
    }
    // A figure outside its bounds.
    static Refusal outOfBounds(Subject subject, double value, const optics::PlausibleRange& bounds)
    {
        Refusal refusal(subject, Reason::OutOfBounds, {value});
        refusal.bounds_ = bounds;
        return refusal;
    }
    // A name of nothing there (NotFound, with the closest names), or of no
    // letter (NoLetters), or of a thing that cannot serve (NoSize).
    static Refusal aboutName(Subject subject, Reason reason, std::string name, std::vector<std::string> closest = {})
    {
        Refusal refusal(subject, reason);
        refusal.name_ = std::move(name);
        refusal.closest_ = std::move(closest);
        return refusal;
    }
    // A file that could not be used, at `path`: what kept it from being read comes along.
    static Refusal aboutFile(Subject subject, const formats::InputError& error, std::string path)
    {
        Refusal refusal(subject, Reason::FileUnusable);
        refusal.fileProblem_ = error.problem();
        refusal.path_ = std::move(path);
        refusal.detail_ = error.what();
        return refusal;
    }

    Subject subject() const { return subject_; }
    Reason reason() const { return reason_; }
    bool missing() const { return reason_ == Reason::Missing; }
    const std::vector<double>& figures() const { return figures_; }
    const std::optional<optics::PlausibleRange>& bounds() const { return bounds_; }
    const std::string& name() const { return name_; }
    const std::vector<std::string>& closest() const { return closest_; }
    std::optional<formats::InputProblem> fileProblem() const { return fileProblem_; }
    const std::string& filePath() const { return path_; }
    const std::string& detail() const { return detail_; }

    // For a log, not a person: the front ends word refusals themselves.
    const char* what() const noexcept override { return "the request is refused"; }

private:
    Subject subject_;
    Reason reason_;
    std::vector<double> figures_;
    std::optional<optics::PlausibleRange> bounds_;
    std::string name_;
    std::vector<std::string> closest_;
    std::optional<formats::InputProblem> fileProblem_;
    std::string path_;
    std::string detail_;
};

} // namespace velmora::planning
