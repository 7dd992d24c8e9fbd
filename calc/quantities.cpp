#include "quantities.h"

#include <algorithm>

namespace velmora {

namespace {

Checked use(const ReadNumber& input)
{
    if (!input)
        throw ArithmeticFailure {FailureCause::Overflow};
    return *input;
}

// Every formula is evaluated left to right as written, with the rounded
// constants the program has always used (3438 arcminutes and 57.295 degrees
// per radian): results must not drift from the established figures.

// Inputs are taken into locals in the order the formula names them, so that
// of two failing operands the first one is reported.

// Resolving power, arcseconds.
Checked resolvingPower(const Inputs& in)
{
    return Checked(120) / use(in.aperture);
}

// Pixel field, arcseconds: pixel size in mm times arcminutes per mm, times 60.
Checked pixelField(const Inputs& in)
{
    const Checked p = use(in.pixelSize);
    const Checked f = use(in.focalLength);
    return p / 1000 * (Checked(3438) / f) * 60;
}

// Visual limiting magnitude; D / 10 is the aperture in cm.
Checked visualMagnitude(const Inputs& in)
{
    return ln(use(in.aperture) / 10) / ln(10) * 5 + 6.8;
}

// Sensor diagonal, mm.
Checked sensorDiagonal(const Inputs& in)
{
    const Checked p = use(in.pixelSize);
    const Checked width = use(in.sensorWidth);
    const Checked height = use(in.sensorHeight);
    return power(power(p / 1000 * width, 2) + power(p / 1000 * height, 2), 0.5);
}

Checked focalRatio(const Inputs& in)
{
    const Checked f = use(in.focalLength);
    return f / use(in.aperture);
}

// CCD limiting magnitude, from the larger of pixel field and resolving power.
Checked ccdMagnitude(const Inputs& in)
{
    const Checked s = pixelField(in);
    const Checked r = resolvingPower(in);
    const Checked t = larger(s, r);
    return Checked(27) - ln((t * 10 * 3) * (t * 10 * 3)) * 2.5 / ln(10);
}

// Sky field along the sensor height and width, arcminutes.
Checked fieldHeight(const Inputs& in)
{
    const Checked s = pixelField(in);
    return s * use(in.sensorHeight) / 60;
}
Checked fieldWidth(const Inputs& in)
{
    const Checked s = pixelField(in);
    return s * use(in.sensorWidth) / 60;
}

// Kilometres on a body of the given diameter, at the given distance (both km),
// covered by one pixel. The pixel field is taken in this order on purpose.
template <long long diameter, long long distance> Checked kmPerPixel(const Inputs& in)
{
    const Checked d = static_cast<double>(diameter);
    const Checked theta = arctan(d / static_cast<double>(distance));
    const Checked f = use(in.focalLength);
    const Checked p = use(in.pixelSize);
    const Checked s = Checked(3438) / f * (p / 1000) * 60;
    return d / (theta * 57.295 * 3600 / s);
}

// Weight of an optical tube, kg, with D and the tube's F in mm.
Checked tubeWeight(const Inputs& in)
{
    const Checked d = use(in.aperture);
    return power(d * use(in.tubeFocalLength), 2) / 2300000000.0;
}

} // namespace

// clang-format off
const std::array<Quantity, 23> kQuantities {{
    {"resolving_power", "il potere risolutivo", "Resolving power", "arcsec", resolvingPower},
    {"visual_limiting_magnitude", "la magnitudine visuale", "Visual limiting magnitude", "mag", visualMagnitude},
    {"sensor_diagonal", "la diagonale del sensore", "Sensor diagonal", "mm", sensorDiagonal},
    {"focal_ratio", "il rapporto focale", "Focal ratio", "", focalRatio},
    {"pixel_field", "il campo per pixel", "Pixel field", "arcsec/px", pixelField},
    {"ccd_limiting_magnitude", "la magnitudine CCD", "CCD limiting magnitude", "mag", ccdMagnitude},
    {"sensor_field_height", "il campo del sensore in altezza", "Sensor field, height", "arcmin", fieldHeight},
    {"sensor_field_width", "il campo del sensore in lunghezza", "Sensor field, width", "arcmin", fieldWidth},
    {"km_per_pixel_sun", "i km per pixel del Sole", "Sun", "km/px", kmPerPixel<1391684, 149600000>},
    {"km_per_pixel_mercury_near", "i km per pixel di Mercurio alla distanza minima", "Mercury, nearest", "km/px", kmPerPixel<4879, 79000000>},
    {"km_per_pixel_venus_near", "i km per pixel di Venere alla distanza minima", "Venus, nearest", "km/px", kmPerPixel<12103, 38200000>},
    {"km_per_pixel_mercury_far", "i km per pixel di Mercurio alla distanza massima", "Mercury, farthest", "km/px", kmPerPixel<4879, 218000000>},
    {"km_per_pixel_venus_far", "i km per pixel di Venere alla distanza massima", "Venus, farthest", "km/px", kmPerPixel<12103, 261000000>},
    {"km_per_pixel_moon", "i km per pixel della Luna", "Moon", "km/px", kmPerPixel<3475, 385000>},
    {"km_per_pixel_mars_near", "i km per pixel di Marte alla distanza minima", "Mars, nearest", "km/px", kmPerPixel<6779, 55700000>},
    {"km_per_pixel_mars_far", "i km per pixel di Marte alla distanza massima", "Mars, farthest", "km/px", kmPerPixel<6779, 401000000>},
    {"km_per_pixel_saturn", "i km per pixel di Saturno", "Saturn", "km/px", kmPerPixel<120000, 1340000000>},
    {"km_per_pixel_jupiter_near", "i km per pixel di Giove alla distanza minima", "Jupiter, nearest", "km/px", kmPerPixel<140000, 590000000>},
    {"km_per_pixel_jupiter_far", "i km per pixel di Giove alla distanza massima", "Jupiter, farthest", "km/px", kmPerPixel<140000, 965000000>},
    {"km_per_pixel_uranus", "i km per pixel di Urano", "Uranus", "km/px", kmPerPixel<50724, 3000000000>},
    {"km_per_pixel_neptune", "i km per pixel di Nettuno", "Neptune", "km/px", kmPerPixel<49244, 4350000000>},
    {"km_per_pixel_pluto", "i km per pixel di Plutone", "Pluto", "km/px", kmPerPixel<2368, 5000000000>},
    {"tube_weight", "la stima del peso del tubo ottico", "Tube weight estimate", "kg", tubeWeight},
}};
// clang-format on

const Quantity* findQuantity(std::string_view id)
{
    const auto found = std::ranges::find(kQuantities, id, &Quantity::id);
    return found != kQuantities.end() ? &*found : nullptr;
}

} // namespace velmora
