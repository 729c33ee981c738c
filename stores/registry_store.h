// The checker driver's configuration in its own service key on this machine (NT): the service
// entries the service control manager needs, the six scalar settings, the API categories' event
// flags and the three driver state lists.
#pragma once

#include "pages/scalar_pages.h"

namespace kelvd {

constexpr const char* kServiceKey = "System\\CurrentControlSet\\Services\\Kelvd";

// The checker service's load-order group: "Boot Bus Extender" on Windows 2000 (major version
// 5), else "System Bus Extender".
const char* CheckerGroup();

// Keeps the service entries in the key: Start (0, only when it cannot be read), Type,
// ErrorControl, Group and Tag.
void WriteServiceKey();

// WriteServiceKey, then the settings, the categories and the lists. An empty userDrivers table
// removes UserDriver. When the key cannot be opened for writing, only the service entries stand.
void SaveToRegistry(const ScalarPages& pages);

// Reads the settings into the pages and the list states into the rows the inventory made;
// UserDriver entries that name no drivers row become userDrivers rows. In RunMode 3 the
// embedded target is read instead. When the key cannot be opened nothing changes.
void LoadFromRegistry(const ScalarPages& pages);

} // namespace kelvd
