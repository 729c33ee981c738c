// The substitute's system memory is an image that holds nothing until something is laid into it.
#include "platform/substitute/sparse_memory.h"

namespace platform {

SystemMemory& nativeSystemMemory() {
    static SparseMemory instance;
    return instance;
}

} // namespace platform
