// The drivers never offered for monitoring: the checker's own, and those of the products it
// cannot run beside.
#pragma once

namespace kelvd {

// True when name is on the list of the platform the library runs on (the model's isWin9x):
// driver file names on Windows NT, blank-padded 8-character VxD names on Windows 9x. The whole
// name is compared, without regard to case.
bool IsExcludedDriver(const char* name);

} // namespace kelvd
