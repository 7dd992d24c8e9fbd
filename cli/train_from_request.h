#pragma once

#include "equipment_catalogue.h"
#include "optical_train.h"
#include "request.h"

namespace velmora::cli {

// The optical train a request describes: catalogue entries first, then a
// FITS header over them, then explicit options over both. A missing or bad
// figure throws UsageError naming the option.
OpticalTrain trainFromRequest(const Request& request, const EquipmentCatalogue& catalogue);

// --barlow and --binning, checked.
double barlowOf(const Request& request);
int binningOf(const Request& request);

} // namespace velmora::cli
