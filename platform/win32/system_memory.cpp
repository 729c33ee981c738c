// System memory read in place. On Windows 9x the system arena is mapped into every process; the
// read is guarded, so an address that the checker reported wrongly fails instead of faulting.
#include "platform/system_memory.h"

#include "platform/win32/windows_support.h"
#include <cstring>

namespace platform {

namespace {

class Win32SystemMemory final : public SystemMemory {
public:
    bool Read(uint32_t address, void* buffer, uint32_t size) override {
        const void* source = reinterpret_cast<const void*>(static_cast<uintptr_t>(address));
        if (size == 0)
            return true;
        if (address == 0 || ::IsBadReadPtr(source, size))
            return false;
        std::memcpy(buffer, source, size);
        return true;
    }
};

} // namespace

SystemMemory& nativeSystemMemory() {
    static Win32SystemMemory instance;
    return instance;
}

} // namespace platform
