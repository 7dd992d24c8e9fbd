#include "mapped_file.h"

#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velmora::formats {

MappedFile::MappedFile(const std::string& path, std::size_t largest)
{
    requireRegularFile(path);
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw InputError("cannot read " + echoed(path) + ": " + std::strerror(errno));
    struct stat status { };
    const bool measured = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const auto size = static_cast<std::size_t>(status.st_size);
    if (measured && size > 0 && size <= largest)
        mapping_ = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
    ::close(descriptor);
    if (mapping_ == MAP_FAILED)
        mapping_ = nullptr;
    if (mapping_) {
        text_ = {static_cast<const char*>(mapping_), size};
        return;
    }
    read_ = readRegularFile(path, largest); // refuses as it should, or reads an empty file
    text_ = read_;
}

MappedFile::~MappedFile()
{
    if (mapping_)
        ::munmap(mapping_, text_.size());
}

} // namespace velmora::formats
