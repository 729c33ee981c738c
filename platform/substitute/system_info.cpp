// The substitute system is a Windows 2000 machine with its directories under C:\WINNT, unless
// a test gives other facts.
#include "platform/system_info.h"

namespace platform {

SystemInfo& nativeSystemInfo() {
    static FixedSystemInfo instance;
    return instance;
}

} // namespace platform
