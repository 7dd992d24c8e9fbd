#pragma once

#include "formats/input_error.h"

#include <optional>
#include <stdexcept>
#include <string>

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

// A request that cannot be answered, and why, in words a person reads. A
// figure nobody gave is `missing`: the reason is then "missing the
// aperture", and the front end says how to give it.
class Refusal : public std::runtime_error {
public:
    Refusal(Subject subject, const std::string& reason, bool missing = false) :
          std::runtime_error(reason), subject_(subject), missing_(missing)
    {
    }
    // A file that could not be used, at `path`: what kept it from being read comes along.
    Refusal(Subject subject, const formats::InputError& error, const std::string& path) :
          std::runtime_error(error.what()), subject_(subject), missing_(false), fileProblem_(error.problem()),
          filePath_(path)
    {
    }
    Subject subject() const { return subject_; }
    bool missing() const { return missing_; }
    std::optional<formats::InputProblem> fileProblem() const { return fileProblem_; }
    const std::string& filePath() const { return filePath_; }

private:
    Subject subject_;
    bool missing_;
    std::optional<formats::InputProblem> fileProblem_;
    std::string filePath_;
};

} // namespace velmora::planning
