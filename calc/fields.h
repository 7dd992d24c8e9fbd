#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The main window's fields and labels, reached by control name ("Text14",
// "NomeFile", "Label19"). Texts are UTF-8.
class Fields {
public:
    virtual ~Fields() = default;
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual std::string caption(std::string_view label) const = 0;
};

enum class MessageIcon { None, Information, Stop };

// Modal message boxes with a single OK button; show() returns once the user
// has closed the box.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

} // namespace velmora
