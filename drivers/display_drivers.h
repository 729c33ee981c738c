// The display and printer drivers of Windows NT, listed together in displayDrivers under the
// label "Installed display drivers".
#pragma once

namespace kelvd {

constexpr const char* kDisplayDriversGroup = "Installed display drivers";

// The display driver of every video device in the device map, in device order.
void EnumerateDisplayDrivers();
// The driver file of every printer driver of the x86 environment, appended after them.
void EnumeratePrinterDrivers();

} // namespace kelvd
