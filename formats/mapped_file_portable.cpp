#include "mapped_file.h"

#include "text_file.h"

namespace velmora::formats {

MappedFile::MappedFile(const std::string& path, std::size_t largest) : read_(readRegularFile(path, largest))
{
    text_ = read_;
}

MappedFile::~MappedFile() = default;

} // namespace velmora::formats
