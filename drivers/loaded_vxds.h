// The VxDs on Windows 9x: the loaded ones, found on the chain the checker reports.
#pragma once

namespace kelvd {

// Replaces the vxds rows by the loaded VxDs that are not excluded (at most 256); leaves them as
// they are when the checker reports no VxD chain.
void EnumerateLoadedVxds();

} // namespace kelvd
