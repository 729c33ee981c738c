// The checker's own service key on the embedded target, with the entries the target's service
// control manager needs.
#pragma once

#include "target/target_registry.h"

namespace kelvd {

// Writes the checker's service key "System\ControlSet001\Services\Kelvd" on the target, keeping
// a start type that is already there.
void WriteTargetServiceKey(const TargetRegistry& target);

} // namespace kelvd
