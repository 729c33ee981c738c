// What kelvcfg asks of a file before it writes one: whether it may replace it.
#pragma once

#include <string>

namespace kelvcfg {

// Why the file at path cannot be replaced by a new one moved over it (it is marked read-only, or
// its directory cannot be written), or the empty text when it can. A file that does not exist yet
// can be, when its directory can be written.
std::string WhyNotReplaceable(const std::string& path);
// Whether something is at path.
bool Exists(const std::string& path);

} // namespace kelvcfg
