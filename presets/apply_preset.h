#pragma once

#include "calc/fields.h"
#include "catalogue.h"

namespace velmora {

// Writes the telescope's aperture into Text1 and focal length into Text2
// (and, for the one entry that asks for it, empties Text7). Computes nothing.
void applyTelescope(const Telescope& telescope, Fields& fields);

// Writes the camera's pixel size into Text3, width into Text14, height into Text22.
void applyCamera(const Camera& camera, Fields& fields);

// "RESET": empties the five input fields; results and the file name stay.
void resetInputs(Fields& fields);

} // namespace velmora
