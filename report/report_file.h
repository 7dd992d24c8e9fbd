#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kSaveTitle = "Salva";
inline constexpr std::string_view kSaveSucceeded = "Salvataggio effettuato!";
inline constexpr std::string_view kSaveFailed = "Si è verificato un errore nel salvataggio.";

// The report file's bytes: the pieces (UTF-8 captions and field texts) joined
// with nothing between them, in Windows-1252, then CR LF.
std::string reportFileBytes(std::span<const std::string> pieces);

} // namespace velmora
