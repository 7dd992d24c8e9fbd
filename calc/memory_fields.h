#pragma once

#include "fields.h"

#include <map>
#include <string>
#include <vector>

namespace velmora {

// Fields held in memory, for tests, benchmarks and fuzzing. A field or label
// never written reads as the empty text.
class MemoryFields final : public Fields {
public:
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    std::string caption(std::string_view label) const override;

    void setCaption(std::string_view label, std::string_view caption);
    // Number of setText calls so far, to tell a write of the same text from no write.
    int writeCount() const { return writes_; }

private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, std::string, std::less<>> captions_;
    int writes_ = 0;
};

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// Records every message box instead of showing it.
class MessageLog final : public Messages {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override;
    const std::vector<ShownMessage>& shown() const { return shown_; }

private:
    std::vector<ShownMessage> shown_;
};

} // namespace velmora
