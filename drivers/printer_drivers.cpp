#include "drivers/printer_drivers.h"

#include "drivers/display_drivers.h"
#include "drivers/driver_description.h"
#include "model/config_model.h"
#include "platform/file_system.h"
#include "platform/multibyte.h"
#include "platform/registry.h"
#include "platform/system_info.h"

#include <functional>
#include <string>

namespace kelvd {

namespace {

constexpr const char* kDriversKey =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86\\Drivers";
constexpr uint32_t kNameSize = 256;

// Calls visit with each subkey of parent that opens for reading, by rising index until the
// enumeration fails or visit returns false.
void ForEachSubkey(
    const platform::KeyHandle& parent,
    const std::function<bool(const std::string&, const platform::KeyHandle&)>& visit) {
    char name[kNameSize];
    uint32_t length = kNameSize;
    for (uint32_t i = 0;
         platform::registry().EnumKey(parent.get(), i, name, &length) == platform::reg::kSuccess;
         ++i, length = kNameSize) {
        platform::KeyHandle key;
        if (key.Open(parent.get(), name, platform::reg::kRead) && !visit(name, key))
            return;
    }
}

// The printer driver of a driver key as a row; false when the key names no driver file.
bool ReadPrinterDriver(const platform::KeyHandle& driver, const std::string& directory,
                       DriverEntry* row) {
    std::string file, description;
    if (!driver.QueryString("Driver", kNameSize, &file))
        return false;
    const std::string path = directory + "\\" + file;
    // A file without a version resource is described by its path.
    if (!GetDriverDescription(path, false, &description))
        description = path;
    *row = DisplayDriverRow(path, description);
    return true;
}

} // namespace

void EnumeratePrinterDrivers() {
    platform::KeyHandle root;
    if (!root.Open(platform::kLocalMachine, kDriversKey, platform::reg::kRead))
        return;
    DriverTable<256>& table = configModel().displayDrivers;
    const std::string spool =
        platform::systemInfo().SystemDirectory(platform::kMaxPath) + "\\spool\\drivers\\w32x86\\";
    // Each subkey is a driver version ("Version-3"); each of its subkeys one printer driver. A
    // version key whose name holds no "-" gives no version directory and is passed over.
    ForEachSubkey(root, [&](const std::string& versionName, const platform::KeyHandle& version) {
        const char* dash = platform::MbsRChr(versionName.c_str(), '-');
        if (!dash)
            return true;
        const std::string directory = spool + (dash + 1);
        ForEachSubkey(version, [&](const std::string&, const platform::KeyHandle& driver) {
            DriverEntry row;
            if (ReadPrinterDriver(driver, directory, &row))
                table.Append(row);
            return !table.IsFull();
        });
        return !table.IsFull();
    });
}

} // namespace kelvd
