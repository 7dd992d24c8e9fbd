// Where there is no Windows registry: the System Information location is
// answered with the first desktop system-information program on PATH.
#include "registry_backend.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace velmora::sysinfo {

namespace {

constexpr long kSuccess = 0;
constexpr long kNotFound = 2; // ERROR_FILE_NOT_FOUND
constexpr long kMoreData = 234; // ERROR_MORE_DATA
constexpr RegistryKey kToolKey = 1;

constexpr std::string_view kTools[] = {
    "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor"};

std::string findTool()
{
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "";
    for (const std::string_view tool : kTools) {
        for (std::string_view rest = folders; !rest.empty();) {
            const auto colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            rest = colon == std::string_view::npos ? std::string_view {} : rest.substr(colon + 1);
            if (folder.empty())
                continue;
            std::error_code ec;
            const auto candidate = std::filesystem::path(folder) / tool;
            const auto status = std::filesystem::status(candidate, ec);
            const auto executable = std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                std::filesystem::perms::others_exec;
            if (std::filesystem::is_regular_file(status) &&
                (status.permissions() & executable) != std::filesystem::perms::none)
                return std::filesystem::absolute(candidate, ec).string();
        }
    }
    return {};
}

class StandInRegistry final : public Registry {
public:
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t, RegistryKey& key) override
    {
        if (root != kLocalMachine || subKey != "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")
            return kNotFound;
        tool_ = findTool();
        if (tool_.empty())
            return kNotFound;
        key = kToolKey;
        return kSuccess;
    }

    long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
        std::uint32_t& size) override
    {
        if (key != kToolKey || valueName != "PATH")
            return kNotFound;
        const auto needed = static_cast<std::uint32_t>(tool_.size() + 1); // with its terminating zero
        if (needed > size)
            return kMoreData;
        std::memcpy(data, tool_.c_str(), needed);
        type = kTextValue;
        size = needed;
        return kSuccess;
    }

    void closeKey(RegistryKey) override { }

private:
    std::string tool_;
};

} // namespace

std::unique_ptr<Registry> systemRegistry()
{
    return std::make_unique<StandInRegistry>();
}

} // namespace velmora::sysinfo
