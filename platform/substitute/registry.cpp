// The substitute's registry lives in memory for the life of the process.
#include "platform/substitute/memory_registry.h"

namespace platform {

Registry& nativeRegistry() {
    static MemoryRegistry instance;
    return instance;
}

} // namespace platform
