#pragma once

#include <QString>

#include <string_view>

namespace velmora::ui {

// The core's UTF-8 texts as Qt strings.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velmora::ui
