#pragma once

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
    Subject subject() const { return subject_; }
    bool missing() const { return missing_; }

private:
    Subject subject_;
    bool missing_;
};

} // namespace velmora::planning
