// The embedded target's display drivers, recorded on this machine for the host.
#pragma once

#include <string>

namespace kelvd {

// Stores the display-driver list text ("name;" for each) in the local machine's
// "SOFTWARE\Ostrand\EmbeddedFL" as "InstalledDisplayDrivers", when that key exists.
void SaveTargetDisplayDrivers(const std::string& list);

} // namespace kelvd
