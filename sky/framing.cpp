#include "framing.h"

#include "units/angles.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora::sky {

namespace {

constexpr double kDegree = units::radians(1);

// Degrees into [0, 180): a rectangle and an ellipse look the same turned half way.
double halfTurn(double degrees)
{
    const double angle = std::fmod(degrees, 180.0);
    return angle < 0 ? angle + 180 : angle;
}

// The margin when the major axis makes an angle whose squared cosine is
// `c` with the sensor's width: the ellipse's half-extents along the width
// and the height are sqrt(a² c + b² (1 - c)) and sqrt(a² (1 - c) + b² c).
double marginForCosine(const SkyField& field, const Outline& outline, double c)
{
    const double a = outline.majorAxis / 2;
    const double b = outline.minorAxis / 2;
    const double alongWidth = std::sqrt(a * a * c + b * b * (1 - c));
    const double alongHeight = std::sqrt(a * a * (1 - c) + b * b * c);
    return std::min(field.width / 2 / alongWidth, field.height / 2 / alongHeight);
}

} // namespace

double marginAt(const SkyField& field, const Outline& outline, double cameraAngle)
{
    const double phi = (outline.positionAngle - 90 - cameraAngle) * kDegree;
    return marginForCosine(field, outline, std::cos(phi) * std::cos(phi));
}

// Along the width the margin falls as c grows, along the height it rises:
// the best is where they cross, or at the end of [0, 1] nearer to it. At
// the crossing A² / (b² + d c) = B² / (b² + d (1 - c)) with d = a² - b²,
// which gives c = (A² a² - B² b²) / (d (A² + B²)).
FitMargin fitMargin(const SkyField& field, const Outline& outline)
{
    const double a2 = outline.majorAxis * outline.majorAxis / 4;
    const double b2 = outline.minorAxis * outline.minorAxis / 4;
    const double w2 = field.width * field.width / 4;
    const double h2 = field.height * field.height / 4;
    const double d = a2 - b2;
    const double c = d > 0 ? std::clamp((w2 * a2 - h2 * b2) / (d * (w2 + h2)), 0.0, 1.0) : 1.0;
    // Of the two camera angles that give this c, the one less turned from
    // 0, and of two as little turned, the smaller; 0 itself when it is as good.
    const double phi = std::acos(std::sqrt(c)) / kDegree;
    const double first = halfTurn(outline.positionAngle - 90 - phi);
    const double second = halfTurn(outline.positionAngle - 90 + phi);
    const auto turn = [](double angle) { return std::pair {std::min(angle, 180 - angle), angle}; };
    const double best = marginForCosine(field, outline, c);
    const double atZero = marginAt(field, outline, 0);
    const double angle = atZero >= best ? 0 : turn(first) <= turn(second) ? first : second;
    return {atZero, std::max(best, atZero), angle};
}

SkyField wholeField(const Mosaic& grid)
{
    return {grid.totalWidth(), grid.totalHeight()};
}

// Whatever the angle, the whole must be at least the minor axis each way,
// which bounds both sides, and its diagonal at least the major axis. Every
// grid has a shorter side of k frames: for each k, the fewest frames the
// other way that hold the outline (the margin grows with them), k along the
// width and then along the height. A grid whose shorter side is k has at
// least k² frames, so the search ends when k² passes the best grid found:
// a thousand steps at most, however long and thin the outline.
std::optional<FramedMosaic> fewestFrames(
    const SkyField& frame, const Outline& outline, double overlap, std::uint32_t mostFrames)
{
    const std::uint64_t fewestColumns = framesToReach(outline.minorAxis, frame.width, overlap);
    const std::uint64_t fewestRows = framesToReach(outline.minorAxis, frame.height, overlap);
    if (fewestColumns > mostFrames / fewestRows)
        return std::nullopt;
    // Over the grids within the limit the squared diagonal is convex in the
    // columns, so it is longest at one of the two extremes.
    const auto gridOf = [&](std::uint64_t columns, std::uint64_t rows) {
        return Mosaic {columns, rows, frame.width, frame.height, overlap};
    };
    const auto diagonal = [&](std::uint64_t columns, std::uint64_t rows) {
        const SkyField whole = wholeField(gridOf(columns, rows));
        return std::hypot(whole.width, whole.height);
    };
    if (std::max(diagonal(fewestColumns, mostFrames / fewestColumns), diagonal(mostFrames / fewestRows, fewestRows)) <
        outline.majorAxis)
        return std::nullopt;

    std::optional<FramedMosaic> best;
    const auto limit = [&] { return best ? best->frames() : std::uint64_t {mostFrames}; };
    const auto margin = [&](std::uint64_t columns, std::uint64_t rows) {
        return fitMargin(wholeField(gridOf(columns, rows)), outline);
    };
    // With `k` frames one way, the fewest the other way from `least` on.
    const auto tryGrids = [&](std::uint64_t k, std::uint64_t least, bool kColumns) {
        const auto grid = [&](std::uint64_t other) { return kColumns ? margin(k, other) : margin(other, k); };
        std::uint64_t low = least;
        std::uint64_t high = limit() / k;
        if (high < low || grid(high).best < 1)
            return;
        while (low < high) { // it holds at high
            const std::uint64_t middle = (low + high) / 2;
            if (grid(middle).best >= 1)
                high = middle;
            else
                low = middle + 1;
        }
        const FitMargin fit = grid(high);
        const FramedMosaic candidate {gridOf(kColumns ? k : high, kColumns ? high : k), fit.bestAngle, fit.best};
        if (!best || candidate.frames() < best->frames() ||
            (candidate.frames() == best->frames() && candidate.margin > best->margin))
            best = candidate;
    };
    for (std::uint64_t k = 1; k * k <= limit(); ++k) {
        if (k >= fewestColumns)
            tryGrids(k, std::max(k, fewestRows), true);
        if (k >= fewestRows)
            tryGrids(k, std::max(k, fewestColumns), false);
    }
    return best;
}

} // namespace velmora::sky
