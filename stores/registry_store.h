// The checker driver's configuration in its own service key on this machine (NT): the service
// entries the service control manager needs, the six scalar settings, the API categories' event
// flags and the three driver state lists.
#pragma once

#include "model/scalar_settings.h"

#include <optional>

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
void SaveToRegistry(const ScalarSettings& settings);

// Gives the list states to the rows the inventory made (UserDriver entries that name no drivers
// row become userDrivers rows) and returns the stored settings. When the key cannot be opened
// nothing changes and nothing is returned.
std::optional<ScalarSettings> LoadFromRegistry();

} // namespace kelvd
