#pragma once

#include "fields.h"

#include <string>
#include <unordered_map>
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
    struct NameHash {
        using is_transparent = void;
        // FNV-1a: control names are a few bytes long.
        std::size_t operator()(std::string_view name) const
        {
            std::size_t hash = 14695981039346656037ULL;
            for (char c : name)
                hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
            return hash;
        }
    };
    using Table = std::unordered_map<std::string, std::string, NameHash, std::equal_to<>>;
    Table texts_;
    Table captions_;
    int writes_ = 0;
};

// Fills the five input fields: aperture, focal length, pixel size, sensor
// width and height.
void setInputs(Fields& fields, std::string_view aperture, std::string_view focalLength, std::string_view pixelSize,
    std::string_view width, std::string_view height);

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
