#pragma once

#include "sys_info.h"

namespace velmora::ui {

// Starts programs detached, by path, without a shell.
class QtLauncher final : public sysinfo::Launcher {
public:
    bool isNormalFile(const std::string& path) override;
    bool start(const std::string& path) override;
};

} // namespace velmora::ui
