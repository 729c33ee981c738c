#include "platform/system_memory.h"

namespace platform {

SystemMemory& systemMemory() {
    SystemMemory* replacement = ScopedSystemMemory::slot();
    return replacement ? *replacement : nativeSystemMemory();
}

} // namespace platform
