#include "platform/substitute/sparse_memory.h"

namespace platform {

void SparseMemory::Lay(uint32_t address, const void* bytes, size_t size) {
    const auto* from = static_cast<const uint8_t*>(bytes);
    for (uint64_t at = address; at < uint64_t{address} + size && at <= UINT32_MAX; ++at) {
        Page& page = pages_.try_emplace(static_cast<uint32_t>(at / kPageSize)).first->second;
        page[at % kPageSize] = *from++;
    }
}

bool SparseMemory::Read(uint32_t address, void* buffer, uint32_t size) {
    if (uint64_t{address} + size > uint64_t{UINT32_MAX} + 1)
        return false;
    auto* to = static_cast<uint8_t*>(buffer);
    for (uint64_t at = address; at < uint64_t{address} + size; ++at) {
        auto page = pages_.find(static_cast<uint32_t>(at / kPageSize));
        if (page == pages_.end())
            return false;
        *to++ = page->second[at % kPageSize];
    }
    return true;
}

} // namespace platform
