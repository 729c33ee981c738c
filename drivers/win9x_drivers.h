// The candidates on Windows 9x, as the running checker reports them: the modules on its module
// list and the loaded VxDs.
#pragma once

namespace kelvd {

// Replaces the drivers rows by the checker's modules that are not excluded (at most 256).
void EnumerateCheckerModules();
// Replaces the vxds rows by the loaded VxDs that are not excluded (at most 256); leaves them as
// they are when the checker reports no VxD chain.
void EnumerateLoadedVxds();

} // namespace kelvd
