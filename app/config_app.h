// The library's application object: what lives for as long as the library is loaded.
#pragma once

#include "target/target_registry.h"

#include <string>

namespace kelvd {

struct ConfigApp {
    // The host's embedded-target registry, set by every RunMode 3 call of ConfigureKELVD and
    // never cleared; read by the target inventory and the target store.
    TargetRegistry* target = nullptr;
    // The help file name of the latest ConfigureKELVD call.
    std::string appHelpPath;
};

// The one application object.
ConfigApp& configApp();

} // namespace kelvd
