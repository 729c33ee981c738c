// The embedded NT target's drivers, read and written through the host's TargetRegistry
// (configApp().target): the candidates of RunMode 3, and the checker's own service key there.
#pragma once

#include <string>

namespace kelvd {

// Appends a drivers row for every driver service of the target that is not excluded, and a
// displayDrivers row for each of their video display drivers, then records the display drivers
// for the host (SaveTargetDisplayDrivers). Nothing at all when the target has no services key.
void EnumerateTargetDrivers();

// Stores the display-driver list text ("name;" for each) in the local machine's
// "SOFTWARE\Ostrand\EmbeddedFL" as "InstalledDisplayDrivers", when that key exists.
void SaveTargetDisplayDrivers(const std::string& list);

// Writes the checker's service key "System\ControlSet001\Services\Kelvd" on the target, keeping
// a start type that is already there.
void WriteTargetServiceKey();

} // namespace kelvd
