#include "platform/version_info.h"

namespace platform {

VersionInfo& versionInfo() {
    VersionInfo* replacement = ScopedVersionInfo::slot();
    return replacement ? *replacement : nativeVersionInfo();
}

} // namespace platform
