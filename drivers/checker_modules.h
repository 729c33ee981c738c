// The drivers on Windows 9x, as the running checker reports them: the modules on its module list.
#pragma once

namespace kelvd {

// Replaces the drivers rows by the checker's modules that are not excluded (at most 256).
void EnumerateCheckerModules();

} // namespace kelvd
