#include "memory_fields.h"

namespace velmora {

namespace {
template <typename Table> std::string lookup(const Table& map, std::string_view key)
{
    const auto it = map.find(key);
    return it == map.end() ? std::string {} : it->second;
}
} // namespace

std::string MemoryFields::text(std::string_view control) const
{
    return lookup(texts_, control);
}

void MemoryFields::setText(std::string_view control, std::string_view text)
{
    ++writes_;
    const auto it = texts_.find(control);
    if (it != texts_.end())
        it->second.assign(text);
    else
        texts_.emplace(std::string(control), std::string(text));
}

std::string MemoryFields::caption(std::string_view label) const
{
    return lookup(captions_, label);
}

void MemoryFields::setCaption(std::string_view label, std::string_view caption)
{
    captions_.insert_or_assign(std::string(label), std::string(caption));
}

void setInputs(Fields& fields, std::string_view aperture, std::string_view focalLength, std::string_view pixelSize,
    std::string_view width, std::string_view height)
{
    fields.setText("Text1", aperture);
    fields.setText("Text2", focalLength);
    fields.setText("Text3", pixelSize);
    fields.setText("Text14", width);
    fields.setText("Text22", height);
}

void MessageLog::show(std::string_view text, std::string_view title, MessageIcon icon)
{
    shown_.push_back({std::string(text), std::string(title), icon});
}

} // namespace velmora
