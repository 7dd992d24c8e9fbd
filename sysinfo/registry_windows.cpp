// The Windows registry, through advapi32's 8-bit functions.
#include "registry_backend.h"

#include <windows.h>

namespace velmora::sysinfo {

namespace {

class WindowsRegistry final : public Registry {
public:
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access, RegistryKey& key) override
    {
        // Predefined roots are sign-extended 32-bit handle values.
        const auto rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(rootKey, subKey.c_str(), 0, access, &opened);
        key = reinterpret_cast<RegistryKey>(opened);
        return result;
    }

    long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
        std::uint32_t& size) override
    {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG result =
            RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
        type = valueType;
        size = valueSize;
        return result;
    }

    void closeKey(RegistryKey key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

} // namespace

std::unique_ptr<Registry> systemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

} // namespace velmora::sysinfo
