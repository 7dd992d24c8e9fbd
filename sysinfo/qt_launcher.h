#pragma once

#include "sys_info.h"

namespace velmora::sysinfo {

// Starts programs detached, by path, without a shell.
class QtLauncher final : public Launcher {
public:
    bool isNormalFile(const std::string& path) override;
    bool start(const std::string& path) override;
};

} // namespace velmora::sysinfo
