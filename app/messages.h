#pragma once

#include <string_view>

namespace velmora {

enum class MessageIcon { None, Information, Stop };

// Modal message boxes with a single OK button; show() returns once the user
// has closed the box.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

} // namespace velmora
