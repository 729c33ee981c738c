// The embedded target that kwhost hands to the library in RunMode 3: an in-memory registry
// with a few driver services, one of them a display driver.
#pragma once

#include "target/target_registry.h"

namespace kwhost {

// Writes the demonstration services under "System\ControlSet001\Services" through the table,
// as the target's own registry server would hold them (UTF-16 names and texts).
void FillDemoTarget(const TargetRegistry& target);

} // namespace kwhost
