#pragma once

#include "sys_info.h"

#include <memory>

namespace velmora::sysinfo {

// The registry of this platform: advapi32 on Windows; elsewhere a stand-in
// whose System Information location names the first desktop
// system-information program found on PATH.
std::unique_ptr<Registry> systemRegistry();

} // namespace velmora::sysinfo
