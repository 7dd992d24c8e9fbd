#include "openngc_index.h"

#include "input_error.h"
#include "mapped_file.h"
#include "openngc.h"
#include "text_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>

namespace velmora::formats {

namespace {

// A header, then records of fixed size sorted by key, so that a lookup is
// a binary search in the mapped file. Numbers are little-endian.
constexpr std::string_view kMagic = "velmora-ngc-idx1";
constexpr std::size_t kKeyBytes = 48; // longer keys are left to the whole catalogue
constexpr std::size_t kRecordBytes = kKeyBytes + 8; // the key, NUL-padded; the file's number; the line's offset
constexpr std::size_t kHeaderBytes = kMagic.size() + 8 * std::size(kOpenNgcFiles);

void appendNumber(std::string& into, std::uint64_t number, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        into += static_cast<char>((number >> (8 * i)) & 0xff);
}

std::uint64_t numberAt(std::string_view text, std::size_t at, int bytes)
{
    std::uint64_t number = 0;
    for (int i = 0; i < bytes; ++i)
        number |= std::uint64_t(static_cast<unsigned char>(text[at + std::size_t(i)])) << (8 * i);
    return number;
}

std::string pathOf(const std::string& folder, std::string_view name)
{
    return folder + "/" + std::string(name);
}

struct LinePlace {
    std::uint32_t file;
    std::uint32_t offset;
};

// Where each object of the files begins, in the order they are added: each
// data line is read alone and must give the object the whole reading gave.
std::vector<LinePlace> placesOfObjects(const std::string& folder, const sky::DeepSkyCatalogue& whole)
{
    std::vector<LinePlace> places;
    for (std::uint32_t file = 0; file < std::size(kOpenNgcFiles); ++file) {
        const std::string path = pathOf(folder, kOpenNgcFiles[file]);
        const MappedFile mapped(path, kLargestInputFile);
        const std::string_view text = mapped.text();
        const std::size_t headerEnd = text.find('\n') + 1;
        for (std::size_t start = headerEnd; start < text.size();) {
            const std::size_t end = text.find('\n', start) + 1;
            const std::string_view line = text.substr(start, end - start);
            if (line.find_first_not_of("\r\n") != std::string_view::npos) {
                sky::DeepSkyCatalogue alone;
                addOpenNgc(alone, std::string(text.substr(0, headerEnd)) + std::string(line), path);
                const std::size_t at = places.size();
                if (alone.objects().size() != 1 || at >= whole.objects().size() ||
                    alone.objects()[0].name != whole.objects()[at].name)
                    throw InputError(path + ": line at byte " + std::to_string(start) +
                        " is not read alone as it is read in the whole file");
                places.push_back({file, static_cast<std::uint32_t>(start)});
            }
            start = end;
        }
    }
    return places;
}

// The line an index record points at, with its file's header before it.
std::optional<std::string> indexedLine(const std::string& folder, std::uint64_t file, std::uint64_t offset)
{
    const MappedFile mapped(pathOf(folder, kOpenNgcFiles[file]), kLargestInputFile);
    const std::string_view text = mapped.text();
    const std::size_t headerEnd = text.find('\n') + 1;
    if (headerEnd == 0 || offset < headerEnd || offset >= text.size())
        return std::nullopt;
    const std::size_t end = text.find('\n', offset);
    if (end == std::string_view::npos)
        return std::nullopt;
    return std::string(text.substr(0, headerEnd)) + std::string(text.substr(offset, end + 1 - offset));
}

} // namespace

std::string openNgcIndex(const std::string& folder)
{
    const sky::DeepSkyCatalogue whole = loadOpenNgc(folder);
    const std::vector<LinePlace> places = placesOfObjects(folder, whole);
    if (places.size() != whole.objects().size())
        throw InputError(folder + ": the lines read alone give another number of objects");
    std::map<std::string, LinePlace> records;
    const auto record = [&](const std::string& key) {
        if (key.empty() || key.size() > kKeyBytes)
            return;
        if (const sky::DeepSkyObject* found = whole.find(key))
            records.emplace(key, places[static_cast<std::size_t>(found - whole.objects().data())]);
    };
    for (const sky::DeepSkyObject& object : whole.objects()) {
        record(sky::designationKey(object.name));
        if (object.messier)
            record("m" + std::to_string(object.messier));
        for (const std::string& common : object.commonNames)
            record(sky::designationKey(common));
    }
    std::string index(kMagic);
    for (const std::string_view name : kOpenNgcFiles)
        appendNumber(index, std::filesystem::file_size(pathOf(folder, name)), 8);
    for (const auto& [key, place] : records) {
        index += key;
        index.append(kKeyBytes - key.size(), '\0');
        appendNumber(index, place.file, 4);
        appendNumber(index, place.offset, 4);
    }
    return index;
}

std::optional<sky::DeepSkyCatalogue> findThroughIndex(const std::string& folder, std::string_view name)
{
    const std::string key = sky::designationKey(name);
    if (key.empty() || key.size() > kKeyBytes)
        return std::nullopt;
    try {
        const MappedFile mapped(pathOf(folder, kOpenNgcIndexFile), kLargestInputFile);
        const std::string_view index = mapped.text();
        if (index.size() < kHeaderBytes || !index.starts_with(kMagic) ||
            (index.size() - kHeaderBytes) % kRecordBytes != 0)
            return std::nullopt;
        const std::size_t count = (index.size() - kHeaderBytes) / kRecordBytes;
        const auto keyAt = [&](std::size_t i) {
            const std::string_view padded = index.substr(kHeaderBytes + i * kRecordBytes, kKeyBytes);
            return padded.substr(0, padded.find('\0'));
        };
        std::size_t low = 0, high = count;
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (keyAt(middle) < key)
                low = middle + 1;
            else
                high = middle;
        }
        if (low == count || keyAt(low) != key)
            return std::nullopt;
        const std::size_t at = kHeaderBytes + low * kRecordBytes + kKeyBytes;
        const std::uint64_t file = numberAt(index, at, 4);
        if (file >= std::size(kOpenNgcFiles))
            return std::nullopt;
        for (std::size_t i = 0; i < std::size(kOpenNgcFiles); ++i) {
            std::error_code unknown;
            if (std::filesystem::file_size(pathOf(folder, kOpenNgcFiles[i]), unknown) !=
                numberAt(index, kMagic.size() + 8 * i, 8))
                return std::nullopt; // the files changed since
        }
        const auto text = indexedLine(folder, file, numberAt(index, at + 4, 4));
        if (!text)
            return std::nullopt;
        sky::DeepSkyCatalogue alone;
        addOpenNgc(alone, *text, pathOf(folder, kOpenNgcFiles[file]));
        if (!alone.find(name))
            return std::nullopt;
        return alone;
    } catch (const InputError&) {
        return std::nullopt; // the whole catalogue says what is wrong
    }
}

} // namespace velmora::formats
