#include "replace_file.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

namespace {

fs::path fromUtf8(std::string_view text)
{
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

bool writeInPlace(const fs::path& target, std::string_view bytes)
{
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Opening for append creates nothing new and truncates nothing: it only
// asks whether the existing file may be written.
bool isWritable(const fs::path& target)
{
    std::ofstream probe(target, std::ios::binary | std::ios::app);
    return probe.is_open();
}

std::optional<fs::path> unusedTemporaryName(const fs::path& target)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string name = ".";
        name.append(target.filename().string()).append(".").append(std::to_string(random())).append(".tmp");
        fs::path candidate = target;
        candidate.replace_filename(name);
        std::error_code ec;
        if (!fs::exists(candidate, ec) && !ec)
            return candidate;
    }
    return std::nullopt;
}

bool writeViaTemporary(const fs::path& target, std::string_view bytes, std::optional<fs::perms> keptPermissions)
{
    const auto temporary = unusedTemporaryName(target);
    if (!temporary || !writeInPlace(*temporary, bytes)) {
        std::error_code ignored;
        if (temporary)
            fs::remove(*temporary, ignored);
        return false;
    }
    std::error_code ec;
    if (keptPermissions)
        fs::permissions(*temporary, *keptPermissions, ec);
    if (!ec)
        fs::rename(*temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(*temporary, ignored);
        return false;
    }
    return true;
}

bool replace(fs::path target, std::string_view bytes)
{
    std::error_code ec;
    fs::file_status status = fs::symlink_status(target, ec);
    if (fs::is_symlink(status)) {
        // Replace the file the link points to, not the link itself.
        status = fs::status(target, ec);
        if (!fs::exists(status))
            return writeInPlace(target, bytes);
        target = fs::canonical(target);
    }
    if (!fs::exists(status))
        return writeViaTemporary(target, bytes, std::nullopt);
    if (!fs::is_regular_file(status))
        return writeInPlace(target, bytes);
    if (!isWritable(target))
        return false;
    return writeViaTemporary(target, bytes, status.permissions());
}

} // namespace

bool replaceFileContents(std::string_view path, std::string_view bytes) noexcept
{
    try {
        const fs::path target = fromUtf8(path);
        if (target.empty() || !target.has_filename())
            return false;
        return replace(target, bytes);
    } catch (...) {
        return false;
    }
}

} // namespace velmora
