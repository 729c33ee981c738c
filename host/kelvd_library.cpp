#include "host/kelvd_library.h"

namespace kwhost {

namespace {

template <typename Function>
void Find(platform::LibraryHandle library, const char* name, Function* function) {
    *function = reinterpret_cast<Function>(platform::dynamicLibraries().Symbol(library, name));
}

} // namespace

KelvdLibrary::KelvdLibrary(const std::string& name)
    : handle_(platform::dynamicLibraries().Load(name.c_str())) {
    if (!handle_)
        return;
    Find(handle_, "ConfigureKELVD", &configure);
    Find(handle_, "SelectAll", &selectAll);
    Find(handle_, "SelectNone", &selectNone);
}

KelvdLibrary::~KelvdLibrary() {
    if (handle_)
        platform::dynamicLibraries().Free(handle_);
}

std::vector<std::string> KelvdLibrary::Missing() const {
    std::vector<std::string> missing;
    if (!configure)
        missing.push_back("ConfigureKELVD");
    if (!selectAll)
        missing.push_back("SelectAll");
    if (!selectNone)
        missing.push_back("SelectNone");
    return missing;
}

} // namespace kwhost
