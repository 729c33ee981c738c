// Loading a library of the product family at run time: LoadLibraryA, GetProcAddress, FreeLibrary.
#pragma once

#include "platform/override.h"

#include <cstdint>

namespace platform {

using LibraryHandle = std::uintptr_t; // 0 for none

class DynamicLibraries {
public:
    virtual ~DynamicLibraries() = default;
    // LoadLibraryA: found by the platform's library search; 0 when it cannot be loaded.
    virtual LibraryHandle Load(const char* name) = 0;
    // GetProcAddress: the export's address, or null.
    virtual void* Symbol(LibraryHandle library, const char* name) = 0;
    // FreeLibrary.
    virtual void Free(LibraryHandle library) = 0;
};

DynamicLibraries& dynamicLibraries();
DynamicLibraries& nativeDynamicLibraries();
using ScopedDynamicLibraries = Override<DynamicLibraries>;

} // namespace platform
