#include "drivers/display_drivers.h"

#include "model/config_model.h"
#include "platform/registry.h"

#include <string>

namespace kelvd {

namespace {

constexpr const char* kVideoMap = "HARDWARE\\DEVICEMAP\\VIDEO";
constexpr uint32_t kDeviceValueSize = 512;
constexpr uint32_t kDriverValueSize = 256;
// A device value names its key from the root of the machine's registry:
// "\Registry\Machine\" and then the path below HKEY_LOCAL_MACHINE.
constexpr size_t kMachineRootLength = 18;

// The row of the device whose key the device-map value names; false when the key does not
// open or names no display driver (such a device adds no row).
bool ReadDisplayDriver(const std::string& deviceValue, DriverEntry* row) {
    if (deviceValue.size() < kMachineRootLength)
        return false;
    platform::KeyHandle device;
    std::string driver, description;
    if (!device.Open(platform::kLocalMachine, deviceValue.substr(kMachineRootLength).c_str(),
                     platform::reg::kRead) ||
        !device.QueryString("InstalledDisplayDrivers", kDriverValueSize, &driver))
        return false;
    const std::string path = driver + ".dll";
    // Without a description of its own the device is described by its driver's path.
    if (!device.QueryString("Device Description", kDriverValueSize, &description))
        description = path;
    *row = DisplayDriverRow(path, description);
    return true;
}

} // namespace

DriverEntry DisplayDriverRow(const std::string& path, const std::string& description) {
    DriverEntry row;
    row.path = path;
    row.description = description;
    row.group = "Installed display drivers";
    row.startType = -1;
    return row;
}

void EnumerateDisplayDrivers() {
    platform::KeyHandle map;
    if (!map.Open(platform::kLocalMachine, kVideoMap, platform::reg::kRead))
        return;
    DriverTable<256>& table = configModel().displayDrivers;
    std::string deviceValue;
    for (int n = 0;
         !table.IsFull() && map.QueryString(("\\Device\\Video" + std::to_string(n)).c_str(),
                                            kDeviceValueSize, &deviceValue);
         ++n) {
        DriverEntry row;
        if (ReadDisplayDriver(deviceValue, &row))
            table.Append(row);
    }
}

} // namespace kelvd
