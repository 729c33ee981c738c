// A sparse image of a 32-bit address space: bytes exist only in the pages something was laid
// into, and a read touching any other page fails, as a guarded read of unmapped memory does. It
// is the Linux substitute's system memory, and what tests lay module lists and VxD descriptor
// blocks into on every platform.
#pragma once

#include "platform/system_memory.h"

#include <array>
#include <cstddef>
#include <map>

namespace platform {

class SparseMemory final : public SystemMemory {
public:
    static constexpr uint32_t kPageSize = 4096;

    // Copies size bytes to address, mapping (zero-filled) every page they touch. Bytes past the
    // top of the address space are dropped.
    void Lay(uint32_t address, const void* bytes, size_t size);
    bool Read(uint32_t address, void* buffer, uint32_t size) override;

private:
    using Page = std::array<uint8_t, kPageSize>;
    std::map<uint32_t, Page> pages_; // by page number
};

} // namespace platform
