#include "support/system_memory_image.h"

#include "doubles/sparse_memory.h"

#include <cstring>
#ifdef _WIN32
#include "platform/win32/windows_support.h"
#endif

namespace kelvd::test {

bool LayInSystemMemory(uint32_t address, const void* bytes, size_t size) {
#ifdef _WIN32
    void* place = reinterpret_cast<void*>(static_cast<uintptr_t>(address));
    // The whole 64 KiB region is reserved (it may be already), then only the page is committed.
    constexpr uintptr_t kRegionSize = 0x10000;
    ::VirtualAlloc(reinterpret_cast<void*>(address & ~(kRegionSize - 1)), kRegionSize, MEM_RESERVE,
                   PAGE_NOACCESS);
    if (!::VirtualAlloc(place, size, MEM_COMMIT, PAGE_READWRITE))
        return false;
    std::memcpy(place, bytes, size);
    return true;
#else
    static_cast<platform::SparseMemory&>(platform::nativeSystemMemory()).Lay(address, bytes, size);
    return true;
#endif
}

} // namespace kelvd::test
