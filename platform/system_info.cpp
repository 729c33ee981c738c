#include "platform/system_info.h"

namespace platform {

SystemInfo& systemInfo() {
    SystemInfo* replacement = ScopedSystemInfo::slot();
    return replacement ? *replacement : nativeSystemInfo();
}

} // namespace platform
