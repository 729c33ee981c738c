// The configuration library as a host uses it: loaded by name, its three entry points looked up
// by their plain names, freed when done.
#pragma once

#include "include/kelvdcfg.h"
#include "platform/dynamic_library.h"

#include <string>
#include <vector>

namespace kwhost {

class KelvdLibrary {
public:
    using Configure = decltype(&::ConfigureKELVD);
    using Select = decltype(&::SelectAll);

    explicit KelvdLibrary(const std::string& name);
    ~KelvdLibrary();
    KelvdLibrary(const KelvdLibrary&) = delete;
    KelvdLibrary& operator=(const KelvdLibrary&) = delete;

    bool loaded() const { return handle_ != 0; }
    // The entry points the library does not export, in the order the header declares them.
    std::vector<std::string> Missing() const;

    Configure configure = nullptr;
    Select selectAll = nullptr;
    Select selectNone = nullptr;

private:
    platform::LibraryHandle handle_;
};

} // namespace kwhost
