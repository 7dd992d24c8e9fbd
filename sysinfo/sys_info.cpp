#include "sys_info.h"

#include "app/app_identity.h"

#include <array>
#include <stdexcept>

namespace velmora::sysinfo {

namespace {

// Closes the key however GetKeyValue ends, even when opening it failed.
class KeyCloser {
public:
    KeyCloser(Registry& registry, const RegistryKey& key) : registry_(registry), key_(key) { }
    ~KeyCloser() { registry_.closeKey(key_); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    Registry& registry_;
    const RegistryKey& key_;
};

std::string hexWithoutLeadingZeros(unsigned char byte)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    if (byte >= 16)
        text.push_back(digits[byte / 16]);
    text.push_back(digits[byte % 16]);
    return text;
}

} // namespace

bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
    std::string& KeyVal)
{
    RegistryKey key = 0;
    const KeyCloser closer(registry, key);
    // Read access only: asking for write rights under HKEY_LOCAL_MACHINE is
    // refused to ordinary users, and nothing here writes.
    if (registry.openKey(KeyRoot, KeyName, kKeyRead, key) != 0) {
        KeyVal.clear();
        return false;
    }
    std::array<unsigned char, kValueBufferSize> data {};
    std::uint32_t size = kValueBufferSize;
    std::uint32_t type = 0;
    if (registry.queryValue(key, SubKeyRef, type, data.data(), size) != 0 || size > kValueBufferSize) {
        KeyVal.clear();
        return false;
    }
    if (size == 0)
        throw std::invalid_argument("registry value of no bytes");
    const std::size_t kept = data[size - 1] == 0 ? size - 1 : size;

    if (type == kTextValue) {
        KeyVal.assign(reinterpret_cast<const char*>(data.data()), kept);
    } else if (type == kNumberValue) {
        for (std::size_t i = kept; i-- > 0;)
            KeyVal += hexWithoutLeadingZeros(data[i]);
        KeyVal = "&h" + KeyVal;
    }
    return true;
}

void StartSysInfo(Registry& registry, Launcher& launcher, Messages& messages)
{
    try {
        std::string path;
        if (!GetKeyValue(registry, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
            if (!GetKeyValue(registry, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path))
                throw std::runtime_error("no System Information location");
            const std::string program = path + "\\MSINFO32.EXE";
            if (!launcher.isNormalFile(program))
                throw std::runtime_error("no MSINFO32.EXE in the folder");
            path = program;
        }
        if (!launcher.start(path))
            throw std::runtime_error("the program did not start");
    } catch (const std::exception&) {
        messages.show(kUnavailableMessage, kAppTitle, MessageIcon::None);
    }
}

} // namespace velmora::sysinfo
