#pragma once

#include "app/messages.h"

#include <string>
#include <vector>

namespace velmora {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// Records every message box instead of showing it.
class MessageLog final : public Messages {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override
    {
        shown_.push_back({std::string(text), std::string(title), icon});
    }
    const std::vector<ShownMessage>& shown() const { return shown_; }

private:
    std::vector<ShownMessage> shown_;
};

} // namespace velmora
