#include "file_output.h"

#include "formats/strict_number.h"
#include "output_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace velmora::cli {

namespace {

[[noreturn]] void cannotWrite(std::string_view option, const std::string& path, const std::string& why)
{
    throw OutputError(std::string(option) + ": cannot write " + formats::echoed(path) + ": " + why);
}

// The permissions a new file gets: 0666 less the umask.
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Removes the temporary file unless it was renamed into place.
struct Temporary {
    std::string path;
    int descriptor = -1;
    bool kept = false;
    ~Temporary()
    {
        if (descriptor >= 0)
            close(descriptor);
        if (!kept)
            unlink(path.c_str());
    }
};

} // namespace

void replaceFile(std::string_view option, const std::string& path, std::string_view contents)
{
    struct stat existing { };
    mode_t mode = newFileMode();
    if (stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            cannotWrite(option, path, S_ISDIR(existing.st_mode) ? "it is a folder" : "it is not a regular file");
        mode = existing.st_mode & 07777;
    }
    const std::filesystem::path target(path);
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    if (target.filename().string().size() > 200) // room for the suffix within NAME_MAX
        pattern = (target.parent_path() / ".velmora-calc.XXXXXX").string();

    Temporary temporary {pattern};
    temporary.descriptor = mkstemp(temporary.path.data());
    if (temporary.descriptor < 0) {
        temporary.kept = true; // nothing was created
        cannotWrite(option, path, std::strerror(errno));
    }
    for (std::size_t written = 0; written < contents.size();) {
        const ssize_t count = write(temporary.descriptor, contents.data() + written, contents.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            cannotWrite(option, path, std::strerror(count < 0 ? errno : ENOSPC));
        written += static_cast<std::size_t>(count);
    }
    if (fchmod(temporary.descriptor, mode) != 0 || fsync(temporary.descriptor) != 0)
        cannotWrite(option, path, std::strerror(errno));
    const int descriptor = temporary.descriptor;
    temporary.descriptor = -1;
    if (close(descriptor) != 0)
        cannotWrite(option, path, std::strerror(errno));
    if (rename(temporary.path.c_str(), path.c_str()) != 0)
        cannotWrite(option, path, std::strerror(errno));
    temporary.kept = true;
}

} // namespace velmora::cli
