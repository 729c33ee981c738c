// On Linux no library of the product family can be loaded: every Load fails, as on a machine
// without them. Tests that need an applet install one of their own.
#include "platform/dynamic_library.h"

namespace platform {

namespace {

class SubstituteDynamicLibraries final : public DynamicLibraries {
public:
    LibraryHandle Load(const char*) override { return 0; }
    void* Symbol(LibraryHandle, const char*) override { return nullptr; }
    void Free(LibraryHandle) override {}
};

} // namespace

DynamicLibraries& nativeDynamicLibraries() {
    static SubstituteDynamicLibraries instance;
    return instance;
}

} // namespace platform
