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

void resetInputs(Fields& fields)
{
    for (const char* input : {"Text1", "Text2", "Text3", "Text22", "Text14"})
        fields.setText(input, "");
}

} // namespace velmora
