// What the library's three exported functions do, each in one call: show the settings sheet for
// a run mode, or mark everything monitored or not and store that without a window.
#pragma once

#include "target/target_registry.h"

#include <cstdint>

namespace kelvd {

// ConfigureKELVD: 0 when the sheet was closed with OK, 1223 when it was cancelled.
int32_t ConfigureSettings(const char* helpFile, int32_t mode, TargetRegistry* target);

// SelectAll (state 1) and SelectNone (state 0): the local machine's model with every driver,
// VxD and event set to state, stored in the registry (NT) or the VxD configuration file
// (Windows 9x), with the scalar settings at their initial values.
void StoreAllChecked(uint32_t state);

} // namespace kelvd
