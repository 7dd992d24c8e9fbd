#pragma once

#include "optical_train.h"

#include <optional>

namespace velmora::optics {

// The light a rig collects from a surface of the sky, in electrons a pixel
// a second. The model:
// - a surface of magnitude 0 a square arcsecond sends the V band's
//   published zero point, 3.631e-9 erg s^-1 cm^-2 A^-1 at 545 nm (Bessell,
//   Castelli & Plez 1998), about 996 photons s^-1 cm^-2 A^-1, times the
//   filter band's width;
// - one of magnitude m sends 10^(-0.4 m) of that;
// - the tube collects it over pi/4 (D^2 - d^2), d the central obstruction;
// - a pixel sees its solid angle in square arcseconds (the train's
//   effective pixel field, binning included);
// - the sensor turns a share of the photons that pass the optics into
//   electrons (quantum efficiency), and a colour (Bayer) pixel sees a third
//   of the band.
struct LightPath {
    double aperture; // mm
    double obstruction = 0; // mm, the central obstruction's diameter
    double pixelArea; // square arcseconds an effective pixel sees
    double bandWidth = 300; // nm
    double quantumEfficiency = 0.6; // 0 to 1
    double transmission = 0.9; // of the optics, 0 to 1
    bool colour = false;
};

// The square arcseconds one effective pixel of the train sees: its width's
// field times its height's, binning and barlow included.
double pixelSolidAngle(const OpticalTrain& train);

// The photons of a zero-magnitude surface, per second, square centimetre
// and angstrom, at the V band's centre.
double zeroPointPhotons();

// Electrons a pixel a second from a surface of `magnitude` a square arcsecond.
double electronRate(double magnitude, const LightPath& path);

// The mean surface brightness (magnitudes a square arcsecond) of an object
// of total `magnitude` spread over an ellipse of axes `a` and `b` arcseconds.
double meanSurfaceBrightness(double magnitude, double a, double b);

// The shortest sub-exposure (seconds) whose read noise `readNoise`
// (electrons) raises the sky's noise by no more than `increase` (0.05 for
// 5%) over a sky-limited exposure: RN^2 / (((1 + e)^2 - 1) sky).
double shortestSub(double readNoise, double skyRate, double increase);

// The sub at which the sky alone fills `share` of the full well; none without a well.
std::optional<double> longestSub(std::optional<double> fullWell, double skyRate, double share);

// The signal-to-noise of one pixel after `subs` subs of `seconds`:
// sqrt(N) S t / sqrt((S + sky + dark) t + RN^2).
struct PixelNoise {
    double signalRate; // electrons a second
    double skyRate;
    double darkRate = 0;
    double readNoise; // electrons
};
double signalToNoise(const PixelNoise& pixel, double seconds, double subs);

// The exposure (seconds) that reaches `target` signal-to-noise without read
// noise: what long subs approach, S^2 t / (S + sky + dark) = target^2.
// None when the signal is nothing.
std::optional<double> skyLimitedSeconds(const PixelNoise& pixel, double target);

// How many subs of `seconds` reach `target` signal-to-noise; none when the
// signal is nothing.
std::optional<double> subsToReach(const PixelNoise& pixel, double seconds, double target);

} // namespace velmora::optics
