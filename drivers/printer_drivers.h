// The printer drivers of Windows NT, listed after the display drivers in displayDrivers.
#pragma once

namespace kelvd {

// The driver file of every printer driver of the x86 environment, appended after the display
// drivers.
void EnumeratePrinterDrivers();

} // namespace kelvd
