#pragma once

#include "optical_train.h"

#include <array>
#include <string_view>
#include <vector>

namespace velmora::optics {

// When a pixel field s samples a star of full width at half maximum FWHM
// well: FWHM / s, the pixels across the FWHM, between the two bounds.
struct SamplingRule {
    std::string_view id;
    double fewestPixelsPerFwhm; // below: undersampled
    double mostPixelsPerFwhm; // above: oversampled; infinite when the rule sets no bound
    std::string_view statement; // the rule as shown
    std::string_view source;
};

// "2-3" (the default) and "howell"; their sources are in the man page.
extern const std::array<SamplingRule, 2> kSamplingRules;
const SamplingRule* findSamplingRule(std::string_view id);

enum class Verdict { Undersampled, WellSampled, Oversampled };
std::string_view verdictText(Verdict verdict);

struct SamplingAdvice {
    const SamplingRule* rule;
    double seeing; // FWHM, arcseconds
    double pixelField; // s, arcseconds, of the whole train
    double pixelsPerFwhm;
    Verdict verdict;
    // The barlow (or reducer) factors that bring s into the rule's window at
    // the current binning; the largest is infinite when the rule has no bound.
    double fewestBarlow;
    double mostBarlow;
    std::vector<int> goodBinnings; // of 1 to 4, with the current barlow
    double wavelength; // nm
    // Diffraction-limited planetary sampling: f = 2 p / lambda with the
    // effective pixel, and the barlow on the bare tube that reaches it.
    double criticalFocalRatio;
    double barlowForCriticalRatio;
};

// `pixelField` is the engine's pixel field for `train`.
SamplingAdvice adviseSampling(
    const OpticalTrain& train, double pixelField, double seeing, double wavelength, const SamplingRule& rule);

} // namespace velmora::optics
