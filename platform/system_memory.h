// Direct reads of system memory at 32-bit addresses, as Windows 9x allows every process to read
// its system arena.
#pragma once

#include "platform/override.h"

#include <cstdint>

namespace platform {

class SystemMemory {
public:
    virtual ~SystemMemory() = default;
    // Copies size bytes from address into buffer; false, with buffer in an unknown state, when
    // any of them cannot be read.
    virtual bool Read(uint32_t address, void* buffer, uint32_t size) = 0;
};

SystemMemory& systemMemory();
SystemMemory& nativeSystemMemory();
using ScopedSystemMemory = Override<SystemMemory>;

} // namespace platform
