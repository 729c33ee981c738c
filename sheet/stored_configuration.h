// Where the checker's configuration is kept, and the sequences that read and store it there: the
// settings sheet's, SelectAll's and SelectNone's, and those of any other front end of the
// library. An embedded target keeps it when there is one; otherwise the local machine does, in
// the store of its platform.
#pragma once

#include "model/scalar_settings.h"
#include "platform/message_box.h"
#include "target/target_registry.h"

#include <cstdint>
#include <optional>

namespace kelvd {

// What the sheet reads when it opens, after the model load: the stored configuration (from
// target when there is one, else on Windows 9x the VxD configuration file, else the registry)
// given to the model's rows, then the hook-state file. The stored settings, or nothing when the
// store could not be read.
std::optional<ScalarSettings> LoadStoredConfiguration(const TargetRegistry* target);

// What OK stores in run mode mode: with a target, the target's store (which also writes the
// hook-state file); in RunMode 1 on NT the registry, the hook-state file and, for a boot start,
// the control panel's notification; on Windows 9x the VxD configuration file, the hook-state file
// and system.ini; in RunMode 2 the Farhand export and its message; nothing in any other mode.
// Messages are owned by owner.
void StoreConfiguration(uint32_t mode, const TargetRegistry* target, const ScalarSettings& settings,
                        platform::WindowHandle owner);

// What SelectAll and SelectNone store: the registry (NT) or the VxD configuration file
// (Windows 9x); not the hook-state file.
void StoreSelection(const ScalarSettings& settings);

} // namespace kelvd
