#include "deep_sky_catalogue.h"

#include "optics/name_match.h"

#include <algorithm>
#include <cctype>

namespace velmora::sky {

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The text with each run of digits written without its leading zeros.
std::string trimmedNumbers(std::string_view text)
{
    std::string trimmed;
    trimmed.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A zero is dropped while nothing but zeros of its run came before
        // it and another digit follows.
        const bool runStart = trimmed.empty() || !isDigit(trimmed.back());
        if (text[i] == '0' && runStart && i + 1 < text.size() && isDigit(text[i + 1]))
            continue;
        trimmed += text[i];
    }
    return trimmed;
}

} // namespace

namespace {

bool isKeyByte(unsigned char byte)
{
    return byte >= 0x80 || std::isalnum(byte);
}

// Hands the designation key of `name` to `take` a character at a time,
// stopping early when `take` says no: names are matched without being copied.
template <typename Take> bool walkKey(std::string_view name, Take take)
{
    char last = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (!isKeyByte(byte))
            continue;
        if (byte == '0' && !isDigit(last)) {
            std::size_t next = i + 1; // the next letter or digit, past blanks and punctuation
            while (next < name.size() && !isKeyByte(static_cast<unsigned char>(name[next])))
                ++next;
            if (next < name.size() && isDigit(name[next]))
                continue; // a leading zero
        }
        last = static_cast<char>(byte < 0x80 ? std::tolower(byte) : byte);
        if (!take(last))
            return false;
    }
    return true;
}

bool designates(std::string_view name, std::string_view key)
{
    std::size_t at = 0;
    return walkKey(name, [&](char c) { return at < key.size() && key[at++] == c; }) && at == key.size();
}

// The Messier number a key names ("m31"), or 0.
int messierNumberOf(std::string_view key)
{
    if (key.size() < 2 || key.size() > 4 || key[0] != 'm' || !std::ranges::all_of(key.substr(1), isDigit))
        return 0;
    return std::stoi(std::string(key.substr(1)));
}

} // namespace

std::string designationKey(std::string_view name)
{
    std::string key;
    walkKey(name, [&key](char c) {
        key += c;
        return true;
    });
    return key;
}

std::string DeepSkyObject::displayName() const
{
    // The catalogue writes numbers with leading zeros; people do not.
    const std::string own = trimmedNumbers(name);
    const std::string messierName = messier ? "M" + std::to_string(messier) : "";
    std::string shown = messier && own != messierName ? messierName + " / " + own : own;
    if (!commonNames.empty())
        shown += " (" + commonNames.front() + ")";
    return shown;
}

void DeepSkyCatalogue::reserve(std::size_t more)
{
    objects_.reserve(objects_.size() + more);
}

void DeepSkyCatalogue::add(DeepSkyObject object)
{
    // A duplicate entry's other numbers name the object it repeats.
    if (object.type->code == "Dup") {
        if (!object.ngc.empty())
            object.duplicateOf = "NGC" + object.ngc;
        else if (!object.ic.empty())
            object.duplicateOf = "IC" + object.ic;
        else if (object.messier)
            object.duplicateOf = "M" + std::to_string(object.messier);
    }
    objects_.push_back(std::move(object));
}

// A scan rather than an index: a request looks up one name, and building
// an index of 30,000 names would cost more than the scan.
const DeepSkyObject* DeepSkyCatalogue::findOwn(std::string_view key) const
{
    const int messier = messierNumberOf(key);
    for (const DeepSkyObject& object : objects_) {
        if (designates(object.name, key))
            return &object;
        if (!object.duplicateOf.empty()) // found by its own name only
            continue;
        if (messier && object.messier == messier)
            return &object;
        for (const std::string& common : object.commonNames) {
            if (designates(common, key))
                return &object;
        }
    }
    return nullptr;
}

const DeepSkyObject* DeepSkyCatalogue::find(std::string_view name) const
{
    const std::string key = designationKey(name);
    if (key.empty())
        return nullptr;
    const DeepSkyObject* object = findOwn(key);
    // A chain of duplicates is followed a few steps, never round a loop.
    for (int step = 0; object && !object->duplicateOf.empty() && step < 4; ++step)
        object = findOwn(designationKey(object->duplicateOf));
    return object && object->duplicateOf.empty() ? object : nullptr;
}

// Gathered only when a name was not found: loading stays lean.
std::vector<std::string> DeepSkyCatalogue::closest(std::string_view name) const
{
    std::vector<std::string> names;
    for (const DeepSkyObject& object : objects_) {
        names.push_back(object.name);
        if (object.messier && object.duplicateOf.empty())
            names.push_back("M" + std::to_string(object.messier));
        names.insert(names.end(), object.commonNames.begin(), object.commonNames.end());
    }
    return optics::closestNames(name, names);
}

} // namespace velmora::sky
