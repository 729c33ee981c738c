// The display and printer drivers of Windows NT, listed together in displayDrivers under the
// label "Installed display drivers".
#pragma once

#include "model/driver_entry.h"

#include <string>

namespace kelvd {

// A displayDrivers row: the driver's path and description, with the list's label and the start
// type -1.
DriverEntry DisplayDriverRow(const std::string& path, const std::string& description);

// The display driver of every video device in the device map, in device order.
void EnumerateDisplayDrivers();

} // namespace kelvd
