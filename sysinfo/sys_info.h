#pragma once

#include "app/messages.h"

#include <cstdint>
#include <string>

namespace velmora::sysinfo {

using RegistryKey = std::uintptr_t;

inline constexpr std::uint32_t kLocalMachine = 0x80000002; // HKEY_LOCAL_MACHINE
inline constexpr std::uint32_t kKeyRead = 0x20019; // KEY_READ
inline constexpr std::uint32_t kTextValue = 1; // REG_SZ
inline constexpr std::uint32_t kNumberValue = 4; // REG_DWORD
inline constexpr std::uint32_t kValueBufferSize = 1024;

// The three registry operations the System Information lookup needs, as the
// Windows API has them: a result of 0 is success.
class Registry {
public:
    virtual ~Registry() = default;
    virtual long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access, RegistryKey& key) = 0;
    // Reads into `data` (room for `size` bytes); sets `type` and `size`.
    virtual long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
        std::uint32_t& size) = 0;
    virtual void closeKey(RegistryKey key) = 0;
};

// The file test and the program start.
class Launcher {
public:
    virtual ~Launcher() = default;
    // True for an existing normal file: not a folder, not hidden.
    virtual bool isNormalFile(const std::string& path) = 0;
    // Starts the program at `path` by itself, without a shell and without waiting.
    virtual bool start(const std::string& path) = 0;
};

inline constexpr char kUnavailableMessage[] = "Le informazioni sul sistema non sono attualmente disponibili.";

// Reads a registry value into `KeyVal`: text values as text, 32-bit numbers as
// "&h" and their bytes in hexadecimal from the last to the first; a value of
// another type leaves `KeyVal` as it was. Returns false, with `KeyVal` emptied,
// when the key or the value cannot be read. A value of no bytes at all throws
// std::invalid_argument. The key is closed in every case.
bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
    std::string& KeyVal);

// The "System Info..." button: starts the tool named by the registry, or
// shows the unavailable message when any step fails.
void StartSysInfo(Registry& registry, Launcher& launcher, Messages& messages);

} // namespace velmora::sysinfo
