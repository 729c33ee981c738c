// The checker's settings in an embedded NT target's registry, reached through the host's
// TargetRegistry (configApp().target): the twin of the local registry store, under the
// target's first control set. Without a target table nothing is read or written.
#pragma once

#include "pages/scalar_pages.h"

namespace kelvd {

// Writes the settings but Start (which only the target's service key entries set), the
// categories and the lists (UserDriver only when there are user drivers; it is never removed),
// then saves the hook state. The checker's service entries on the target are written before,
// by the target inventory's WriteTargetServiceKey. When the key can be neither opened nor
// created, nothing is written and the hook state is not saved.
void SaveToTarget(const ScalarPages& pages);

// Reads the settings into the pages and the lists' states into the rows; every UserDriver entry
// becomes a userDrivers row, without a description. When the key cannot be opened nothing
// changes.
void LoadFromTarget(const ScalarPages& pages);

} // namespace kelvd
