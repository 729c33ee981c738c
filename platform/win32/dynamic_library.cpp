#include "platform/dynamic_library.h"

#include "platform/win32/windows_support.h"

namespace platform {

namespace {

class Win32DynamicLibraries final : public DynamicLibraries {
public:
    LibraryHandle Load(const char* name) override {
        return reinterpret_cast<LibraryHandle>(::LoadLibraryA(name));
    }
    void* Symbol(LibraryHandle library, const char* name) override {
        return reinterpret_cast<void*>(::GetProcAddress(reinterpret_cast<HMODULE>(library), name));
    }
    void Free(LibraryHandle library) override { ::FreeLibrary(reinterpret_cast<HMODULE>(library)); }
};

} // namespace

DynamicLibraries& nativeDynamicLibraries() {
    static Win32DynamicLibraries instance;
    return instance;
}

} // namespace platform
