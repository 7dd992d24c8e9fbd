#pragma once

#include "calc/fields.h"

#include <string_view>

namespace velmora {

inline constexpr std::string_view kSaveTitle = "Salva";
inline constexpr std::string_view kSaveSucceeded = "Salvataggio effettuato!";
inline constexpr std::string_view kSaveFailed = "Si è verificato un errore nel salvataggio.";

// The save button: writes the report line plus CR LF, in Windows-1252, to the
// path typed in NomeFile, then shows exactly one message. Returns success.
bool saveReport(const Fields& fields, Messages& messages);

} // namespace velmora
