#include "device_write.h"
#include "file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace velmora::files {

namespace {

[[noreturn]] void fail(const std::string& why)
{
    throw WriteError(why);
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

// As many links as the kernel follows in one path (MAXSYMLINKS).
constexpr int kMostLinks = 40;

// Where a symbolic link leads, however many links on, even to a file not
// there yet: the link stays a link and its target is replaced.
std::filesystem::path throughLinks(const std::string& path)
{
    std::filesystem::path at(path);
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(at, error))
            return at;
        const std::filesystem::path next = std::filesystem::read_symlink(at, error);
        if (error)
            fail(error.message());
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    fail(std::strerror(ELOOP));
}

} // namespace

void replaceFile(const std::string& path, std::string_view contents, OtherFiles others)
{
    if (path.empty())
        fail("no file was named");
    if (path.find('\0') != std::string::npos)
        fail("the name holds a NUL character");
    const std::filesystem::path target = throughLinks(path);
    struct stat existing { };
    mode_t mode = newFileMode();
    if (stat(target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            fail("it is a folder");
        if (!S_ISREG(existing.st_mode)) {
            if (others == OtherFiles::WriteInPlace)
                return writeToDevice(target.string(), contents);
            fail("it is not a regular file");
        }
        // A file nobody may write is kept, even from the superuser.
        if ((existing.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0)
            fail("it is write-protected");
        mode = existing.st_mode & 07777;
    }
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    if (target.filename().string().size() > 200) // room for the suffix within NAME_MAX
        pattern = (target.parent_path() / ".velmora.XXXXXX").string();

    Temporary temporary {pattern};
    temporary.descriptor = mkstemp(temporary.path.data());
    if (temporary.descriptor < 0) {
        temporary.kept = true; // nothing was created
        fail(std::strerror(errno));
    }
    for (std::size_t written = 0; written < contents.size();) {
        const ssize_t count = write(temporary.descriptor, contents.data() + written, contents.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            fail(std::strerror(count < 0 ? errno : ENOSPC));
        written += static_cast<std::size_t>(count);
    }
    if (fchmod(temporary.descriptor, mode) != 0 || fsync(temporary.descriptor) != 0)
        fail(std::strerror(errno));
    const int descriptor = temporary.descriptor;
    temporary.descriptor = -1;
    if (close(descriptor) != 0)
        fail(std::strerror(errno));
    if (rename(temporary.path.c_str(), target.c_str()) != 0)
        fail(std::strerror(errno));
    temporary.kept = true;
}

} // namespace velmora::files
