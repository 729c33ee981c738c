// The kernel-driver services of Windows NT, as candidates for monitoring.
#pragma once

#include "platform/service_manager.h"

namespace kelvd {

// Appends a drivers row for every driver service of the service manager whose file has a version
// resource and whose name is not excluded, until the table is full.
void EnumerateServiceDrivers();

// Appends at most one drivers row for the enumerated service with its configuration.
void AddServiceDriver(const platform::EnumServiceStatus& service,
                      const platform::ServiceConfig& config);

} // namespace kelvd
