// The full-capacity data set, the one description behind every measurement at full capacity:
// 256 driver services whose images carry version resources, display and printer drivers that
// fill their table, 128 drivers added by file, a catalogue of 50 categories of 1,020 events, and
// a stored configuration of all of them with its hook-state file of 51,000 lines. It is put on
// whatever machine the platform layer reaches: the substitute's in-memory registry and a scratch
// directory for kelvd-bench, a Wine prefix for kwhost --time (through kelvd-fullset).
#pragma once

#include <cstdint>
#include <string>

namespace kelvd::fullset {

constexpr uint32_t kServices = 256;
// One display device (where the machine has none of its own) and printer drivers enough to fill
// the 256 rows of their table after it.
constexpr uint32_t kPrinterDrivers = 256;
constexpr uint32_t kUserDrivers = 128;
constexpr uint32_t kCategories = 50;
constexpr uint32_t kEventsPerCategory = 1020;

std::string CategoryName(uint32_t category);
std::string EventName(uint32_t category, uint32_t event);

// Writes the catalogue KELVD.API into the suite's install directory, registers the driver
// services, display devices and printer drivers, and copies image (a driver image with a
// version resource) to every file they and the added drivers name. False, with the reason, when
// something could not be written. A service manager reads new services when it starts, so on
// Windows the stored configuration is made by a later program.
bool InstallFullCapacity(const std::string& image, std::string* error);

// Loads this machine's model as the sheet does, adds the 128 drivers, checks every other driver
// and every third event, and stores that: the checker's key (start type 3, so that OK calls no
// control panel) and the hook-state file. False, with the reason, when the model is not full.
bool StoreFullCapacitySettings(std::string* error);

} // namespace kelvd::fullset
