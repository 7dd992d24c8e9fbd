#include "sampling.h"

#include <algorithm>
#include <limits>

namespace velmora::optics {

namespace {
constexpr double kNoBound = std::numeric_limits<double>::infinity();
} // namespace

const std::array<SamplingRule, 2> kSamplingRules {{
    {"2-3", 2, 3, "well sampled with 2 to 3 pixels across the star's FWHM: FWHM/3 <= s <= FWHM/2",
        "the common imaging rule of two to three pixels per seeing FWHM (Nyquist sampling with margin)"},
    {"howell", 1.5, kNoBound, "undersampled below 1.5 pixels across the star's FWHM: s <= FWHM/1.5",
        "S. B. Howell, Handbook of CCD Astronomy, sampling parameter r = FWHM/pixel, undersampled for r < 1.5"},
}};

const SamplingRule* findSamplingRule(std::string_view id)
{
    const auto found = std::ranges::find(kSamplingRules, id, &SamplingRule::id);
    return found != kSamplingRules.end() ? &*found : nullptr;
}

std::string_view verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Undersampled:
        return "undersampled";
    case Verdict::Oversampled:
        return "oversampled";
    case Verdict::WellSampled:
        break;
    }
    return "well sampled";
}

SamplingAdvice adviseSampling(
    const OpticalTrain& train, double pixelField, double seeing, double wavelength, const SamplingRule& rule)
{
    SamplingAdvice advice {};
    advice.rule = &rule;
    advice.seeing = seeing;
    advice.pixelField = pixelField;
    advice.pixelsPerFwhm = seeing / pixelField;
    advice.verdict = advice.pixelsPerFwhm < rule.fewestPixelsPerFwhm ? Verdict::Undersampled
        : advice.pixelsPerFwhm > rule.mostPixelsPerFwhm              ? Verdict::Oversampled
                                                                     : Verdict::WellSampled;

    // s is inversely proportional to the barlow and proportional to the binning.
    const double bareTubeField = pixelField * train.barlow;
    advice.fewestBarlow = bareTubeField * rule.fewestPixelsPerFwhm / seeing;
    advice.mostBarlow = bareTubeField * rule.mostPixelsPerFwhm / seeing;
    for (int binning = 1; binning <= 4; ++binning) {
        const double pixels = seeing / (pixelField / train.binning * binning);
        if (pixels >= rule.fewestPixelsPerFwhm && pixels <= rule.mostPixelsPerFwhm)
            advice.goodBinnings.push_back(binning);
    }

    advice.wavelength = wavelength;
    advice.criticalFocalRatio = 2 * train.effectivePixelSize() * 1000 / wavelength;
    advice.barlowForCriticalRatio = advice.criticalFocalRatio / (train.focalLength / train.aperture);
    return advice;
}

} // namespace velmora::optics
