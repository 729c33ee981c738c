// What the library stored on an in-memory embedded target, printed as "reg query" prints a key.
#pragma once

#include "platform/substitute/memory_registry.h"

#include <ostream>
#include <string>

namespace kwhost {

// The key's full name, then a line "    <name>    <type>    <data>" for each of its values:
// numbers as 0x<hex>, texts (UTF-16 on the target) as text with a multi-string's parts joined by
// \0, other data as upper-case hex digits. A key that is not there is said to be missing.
void PrintTargetKey(platform::MemoryRegistry& registry, const std::string& path, std::ostream& out);

} // namespace kwhost
