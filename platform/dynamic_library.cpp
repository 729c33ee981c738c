#include "platform/dynamic_library.h"

namespace platform {

DynamicLibraries& dynamicLibraries() {
    DynamicLibraries* replacement = ScopedDynamicLibraries::slot();
    return replacement ? *replacement : nativeDynamicLibraries();
}

} // namespace platform
