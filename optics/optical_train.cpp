#include "optical_train.h"

#include <cmath>

namespace velmora::optics {

double OpticalTrain::effectiveWidth() const
{
    return std::floor(width / binning);
}

double OpticalTrain::effectiveHeight() const
{
    return std::floor(height / binning);
}

Inputs engineInputs(const OpticalTrain& train)
{
    return Inputs {train.aperture, train.effectiveFocalLength(), train.effectivePixelSize(), train.effectiveWidth(),
        train.effectiveHeight(), train.focalLength};
}

} // namespace velmora::optics
