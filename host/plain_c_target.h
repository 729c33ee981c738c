// The embedded target's table filled with plain C functions (__cdecl on 32-bit x86), as a host
// written from the slots' argument lists alone would fill it, where the header declares
// __stdcall: kwhost --plain-c-target hands the library such a table.
#pragma once

#include "target/target_registry.h"

namespace kwhost {

// A table of plain C functions, each calling the same slot of declared, which must outlive every
// call through it. One such table is in use at a time.
TargetRegistry PlainCTable(const TargetRegistry& declared);

} // namespace kwhost
