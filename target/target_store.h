// The checker's settings in an embedded NT target's registry, reached through the host's
// TargetRegistry: the twin of the local registry store, under the target's first control set.
#pragma once

#include "model/scalar_settings.h"
#include "target/target_registry.h"

#include <optional>

namespace kelvd {

// Writes the settings but Start (which only the target's service key entries set), the
// categories and the lists (UserDriver only when there are user drivers; it is never removed),
// then saves the hook state. The checker's service entries on the target are written before,
// by WriteTargetServiceKey. When the key can be neither opened nor
// created, nothing is written and the hook state is not saved.
void SaveToTarget(const TargetRegistry& target, const ScalarSettings& settings);

// Gives the lists' states to the rows (every UserDriver entry becomes a userDrivers row, without a
// description) and returns the stored settings. When the key cannot be opened nothing changes
// and nothing is returned.
std::optional<ScalarSettings> LoadFromTarget(const TargetRegistry& target);

} // namespace kelvd
