// The embedded NT target's drivers, read through the host's TargetRegistry: the candidates of
// RunMode 3.
#pragma once

#include "target/target_registry.h"

namespace kelvd {

// Appends a drivers row for every driver service of the target that is not excluded, and a
// displayDrivers row for each of their video display drivers, then records the display drivers
// for the host (SaveTargetDisplayDrivers). Nothing at all when the target has no services key.
void EnumerateTargetDrivers(const TargetRegistry& target);

} // namespace kelvd
