// The least an offline hive's driver inventory and stored configuration read, done with libhivex
// alone: the floor kelvcfg's commands are set beside.
#pragma once

#include <string>

namespace kelvd::bench {

// Opens the hive and reads the names of ControlSet001\Services' subkeys, then in their order
// each service's Type and, for a driver, its ImagePath, Group, DisplayName and Start (and a
// display driver's Device0\InstalledDisplayDrivers), until as many drivers as the drivers table
// holds, as the inventory stops there; then every value of the checker's key.
void WalkServices(const std::string& hive);

} // namespace kelvd::bench
