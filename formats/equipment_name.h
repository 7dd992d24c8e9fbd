#pragma once

#include <string_view>

namespace velmora::formats {

// Throws InputError, without a place (the reader adds it), unless `name`
// can name a piece of equipment: UTF-8, holding a letter or a digit (the
// look-up goes by those alone), and no control character but the tab (it
// could not be shown safely, nor written to every format and read back).
void requireEquipmentName(std::string_view name);

} // namespace velmora::formats
