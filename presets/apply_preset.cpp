#include "apply_preset.h"

#include "calc/number_text.h"

namespace velmora {

void applyTelescope(const Telescope& telescope, Fields& fields)
{
    fields.setText("Text1", formatInput(telescope.aperture));
    fields.setText("Text2", formatInput(telescope.focalLength));
    if (telescope.clearsText7)
        fields.setText("Text7", "");
}

void applyCamera(const Camera& camera, Fields& fields)
{
    fields.setText("Text3", formatInput(camera.pixelSize));
    fields.setText("Text14", formatInput(camera.width));
    fields.setText("Text22", formatInput(camera.height));
}

} // namespace velmora
