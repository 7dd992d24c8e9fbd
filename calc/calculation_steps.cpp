#include "calculation_steps.h"

#include "number_text.h"

namespace velmora {

Checked Inputs::read(std::string_view field) const
{
    const auto value = readFieldNumber(fields_.text(field));
    if (!value)
        throw ArithmeticFailure {FailureCause::Overflow};
    return *value;
}

Checked Inputs::aperture() const
{
    return read("Text1");
}
Checked Inputs::focalLength() const
{
    return read("Text2");
}
Checked Inputs::pixelSize() const
{
    return read("Text3");
}
Checked Inputs::sensorWidth() const
{
    return read("Text14");
}
Checked Inputs::sensorHeight() const
{
    return read("Text22");
}

namespace {

// Every formula is evaluated left to right as written, with the rounded
// constants the program has always used (3438 arcminutes and 57.295 degrees
// per radian): results must not drift from the established figures.

// Inputs are read into locals in the order the formula names them, so that
// of two failing operands the first one is reported.

// Resolving power, arcseconds.
Checked resolvingPower(const Inputs& in)
{
    return Checked(120) / in.aperture();
}

// Pixel field, arcseconds: pixel size in mm times arcminutes per mm, times 60.
Checked pixelField(const Inputs& in)
{
    const Checked p = in.pixelSize();
    const Checked f = in.focalLength();
    return p / 1000 * (Checked(3438) / f) * 60;
}

// Visual limiting magnitude; D / 10 is the aperture in cm.
Checked visualMagnitude(const Inputs& in)
{
    return ln(in.aperture() / 10) / ln(10) * 5 + 6.8;
}

// Sensor diagonal, mm.
Checked sensorDiagonal(const Inputs& in)
{
    const Checked p = in.pixelSize();
    const Checked width = in.sensorWidth();
    const Checked height = in.sensorHeight();
    return power(power(p / 1000 * width, 2) + power(p / 1000 * height, 2), 0.5);
}

Checked focalRatio(const Inputs& in)
{
    const Checked f = in.focalLength();
    return f / in.aperture();
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
    return s * in.sensorHeight() / 60;
}
Checked fieldWidth(const Inputs& in)
{
    const Checked s = pixelField(in);
    return s * in.sensorWidth() / 60;
}

// Kilometres on a body of the given diameter, at the given distance (both km),
// covered by one pixel. The pixel field is taken in this order on purpose.
template <long long diameter, long long distance> Checked kmPerPixel(const Inputs& in)
{
    const Checked d = static_cast<double>(diameter);
    const Checked theta = arctan(d / static_cast<double>(distance));
    const Checked f = in.focalLength();
    const Checked p = in.pixelSize();
    const Checked s = Checked(3438) / f * (p / 1000) * 60;
    return d / (theta * 57.295 * 3600 / s);
}

// Weight of an optical tube, kg, with D and F in mm.
Checked tubeWeight(const Inputs& in)
{
    const Checked d = in.aperture();
    return power(d * in.focalLength(), 2) / 2300000000.0;
}

} // namespace

const std::array<CalculationStep, 23> kCalculationSteps {{
    {"Text4", "il potere risolutivo", resolvingPower},
    {"Text5", "la magnitudine visuale", visualMagnitude},
    {"Text15", "la diagonale del sensore", sensorDiagonal},
    {"Text11", "il rapporto focale", focalRatio},
    {"Text10", "il campo per pixel", pixelField},
    {"Text6", "la magnitudine CCD", ccdMagnitude},
    {"Text28", "il campo del sensore in altezza", fieldHeight},
    {"Text12", "il campo del sensore in lunghezza", fieldWidth},
    {"Text13", "i km per pixel del Sole", kmPerPixel<1391684, 149600000>},
    {"Text18", "i km per pixel di Mercurio alla distanza minima", kmPerPixel<4879, 79000000>},
    {"Text20", "i km per pixel di Venere alla distanza minima", kmPerPixel<12103, 38200000>},
    {"Text34", "i km per pixel di Mercurio alla distanza massima", kmPerPixel<4879, 218000000>},
    {"Text35", "i km per pixel di Venere alla distanza massima", kmPerPixel<12103, 261000000>},
    {"Text21", "i km per pixel della Luna", kmPerPixel<3475, 385000>},
    {"Text26", "i km per pixel di Marte alla distanza minima", kmPerPixel<6779, 55700000>},
    {"Text36", "i km per pixel di Marte alla distanza massima", kmPerPixel<6779, 401000000>},
    {"Text30", "i km per pixel di Saturno", kmPerPixel<120000, 1340000000>},
    {"Text29", "i km per pixel di Giove alla distanza minima", kmPerPixel<140000, 590000000>},
    {"Text7", "i km per pixel di Giove alla distanza massima", kmPerPixel<140000, 965000000>},
    {"Text31", "i km per pixel di Urano", kmPerPixel<50724, 3000000000>},
    {"Text32", "i km per pixel di Nettuno", kmPerPixel<49244, 4350000000>},
    {"Text33", "i km per pixel di Plutone", kmPerPixel<2368, 5000000000>},
    {"Text8", "la stima del peso del tubo ottico", tubeWeight},
}};

} // namespace velmora
