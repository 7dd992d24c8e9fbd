// Where there is no Windows registry: the System Information location is
// answered with the first desktop system-information program on PATH.
#include "registry_backend.h"

#include <QStandardPaths>

#include <cstring>

namespace velmora::sysinfo {

namespace {

constexpr long kSuccess = 0;
constexpr long kFailure = 1;
constexpr RegistryKey kToolKey = 1;

constexpr const char* kTools[] = {
    "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor"};

std::string findTool()
{
    for (const char* tool : kTools) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!found.isEmpty())
            return found.toStdString();
    }
    return {};
}

class StandInRegistry final : public Registry {
public:
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t, RegistryKey& key) override
    {
        if (root != kLocalMachine || subKey != "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")
            return kFailure;
        tool_ = findTool();
        if (tool_.empty())
            return kFailure;
        key = kToolKey;
        return kSuccess;
    }

    long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
        std::uint32_t& size) override
    {
        const auto needed = static_cast<std::uint32_t>(tool_.size() + 1); // with its terminating zero
        if (key != kToolKey || valueName != "PATH" || needed > size)
            return kFailure;
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
