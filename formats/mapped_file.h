#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::formats {

// A regular file's bytes, mapped into memory where the system can, else
// read; the refusals are readRegularFile's. The shipped catalogue is read
// for every deep-sky request, and mapping it saves a copy of megabytes.
class MappedFile {
public:
    MappedFile(const std::string& path, std::size_t largest);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view text() const { return text_; }

private:
    std::string_view text_;
    void* mapping_ = nullptr;
    std::string read_; // where the file could not be mapped
};

} // namespace velmora::formats
