#include "load_floor.h"

#include "plain_io.h"

#include "drivers/display_drivers.h"
#include "drivers/excluded_drivers.h"
#include "drivers/printer_drivers.h"
#include "drivers/service_drivers.h"
#include "platform/win32/windows_support.h"
#include "stores/checker_value_names.h"
#include "stores/hook_state_file.h"
#include "stores/install_dirs.h"
#include "stores/registry_store.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace kelvd::floor {

namespace {

// The inventory's buffers: a value of the video device map, the other values and names.
constexpr DWORD kDeviceValueSize = 512;
constexpr DWORD kNameSize = 256;
constexpr DWORD kConfigSize = 8 * 1024;
// One enumeration call with room for every service; a stored list fits in the same.
constexpr DWORD kLargeSize = 256 * 1024;
// A device value names its key from the machine's root: "\Registry\Machine\".
constexpr size_t kMachineRootLength = 18;

class Key {
public:
    Key(HKEY parent, const char* path) {
        if (RegOpenKeyExA(parent, path, 0, KEY_READ, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key() {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }
    bool Query(const char* name, std::vector<BYTE>& buffer) const {
        DWORD size = static_cast<DWORD>(buffer.size());
        return RegQueryValueExA(key_, name, nullptr, nullptr, buffer.data(), &size) ==
               ERROR_SUCCESS;
    }
    bool Subkey(DWORD index, char (&name)[kNameSize]) const {
        DWORD length = kNameSize;
        return RegEnumKeyExA(key_, index, name, &length, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    }

private:
    HKEY key_;
};

bool IsExcludedService(const char* name) {
    std::string file = std::string(name) + ".SYS";
    std::transform(file.begin(), file.end(), file.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return IsExcludedDriver(file.c_str());
}

} // namespace

void LoadFloor::Prepare() {
    serviceImages_.Record(EnumerateServiceDrivers);
    EnumerateDisplayDrivers();
    printerImages_.Record(EnumeratePrinterDrivers);
    userDriverImages_.Record([] { LoadFromRegistry(); });
    GetSuiteInstallDir(&cataloguePath_);
    cataloguePath_ += "\\KELVD.API";
    HookStatePath(&hookStatePath_);
}

void LoadFloor::MakeCalls() {
    for (ImageReads* images : {&serviceImages_, &printerImages_, &userDriverImages_})
        images->Rewind();
    ServiceManagerCalls();
    DisplayDeviceCalls();
    PrinterDriverCalls();
    catalogueLines_ = bench::ReadLines(cataloguePath_);
    StoredKeyCalls();
    hookStateLines_ = bench::ReadLines(hookStatePath_);
}

std::string LoadFloor::Counts() const {
    return std::to_string(services_) + " services, " +
           std::to_string(serviceImages_.Count() + printerImages_.Count() +
                          userDriverImages_.Count()) +
           " images, " + std::to_string(catalogueLines_) + " catalogue lines, " +
           std::to_string(hookStateLines_) + " hook-state lines";
}

// Every driver service, in the order enumerated, until the library's table stopped it: open,
// query the configuration, read the image of one that is not excluded, close.
void LoadFloor::ServiceManagerCalls() {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, GENERIC_READ);
    if (!manager)
        return;
    std::vector<BYTE> entries(kLargeSize), config(kConfigSize);
    DWORD resume = 0, needed = 0, returned = 0;
    bool more = true;
    services_ = 0;
    while (more && serviceImages_.AnyLeft()) {
        more = !EnumServicesStatusA(manager, SERVICE_DRIVER, SERVICE_STATE_ALL,
                                    reinterpret_cast<ENUM_SERVICE_STATUSA*>(entries.data()),
                                    kLargeSize, &needed, &returned, &resume) &&
               GetLastError() == ERROR_MORE_DATA && returned != 0;
        const auto* entry = reinterpret_cast<const ENUM_SERVICE_STATUSA*>(entries.data());
        for (DWORD i = 0; i < returned && serviceImages_.AnyLeft(); ++i, ++services_) {
            SC_HANDLE service = OpenServiceA(manager, entry[i].lpServiceName, GENERIC_READ);
            if (!service)
                continue;
            DWORD size = 0;
            if (QueryServiceConfigA(service,
                                    reinterpret_cast<QUERY_SERVICE_CONFIGA*>(config.data()),
                                    kConfigSize, &size) &&
                !IsExcludedService(entry[i].lpServiceName))
                serviceImages_.ReadNext();
            CloseServiceHandle(service);
        }
    }
    CloseServiceHandle(manager);
}

void LoadFloor::DisplayDeviceCalls() {
    Key map(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\VIDEO");
    if (!map)
        return;
    std::vector<BYTE> device(kDeviceValueSize), value(kNameSize);
    for (int n = 0; map.Query(("\\Device\\Video" + std::to_string(n)).c_str(), device); ++n) {
        const char* path = reinterpret_cast<const char*>(device.data());
        if (std::strlen(path) < kMachineRootLength)
            continue;
        Key key(HKEY_LOCAL_MACHINE, path + kMachineRootLength);
        if (key && key.Query("InstalledDisplayDrivers", value))
            key.Query("Device Description", value);
    }
}

// Each driver version's printer drivers, and the image each names, until the library's table
// stopped it.
void LoadFloor::PrinterDriverCalls() {
    Key root(HKEY_LOCAL_MACHINE,
             "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86\\Drivers");
    if (!root)
        return;
    char versionName[kNameSize], driverName[kNameSize];
    std::vector<BYTE> file(kNameSize);
    for (DWORD v = 0; printerImages_.AnyLeft() && root.Subkey(v, versionName); ++v) {
        Key version(root.get(), versionName);
        if (!version || !std::strrchr(versionName, '-'))
            continue;
        for (DWORD d = 0; printerImages_.AnyLeft() && version.Subkey(d, driverName); ++d) {
            Key driver(version.get(), driverName);
            if (driver && driver.Query("Driver", file))
                printerImages_.ReadNext();
        }
    }
}

// The stored settings and lists, then the images of the drivers added by file.
void LoadFloor::StoredKeyCalls() {
    Key key(HKEY_LOCAL_MACHINE, kServiceKey);
    if (!key)
        return;
    std::vector<BYTE> value(sizeof(DWORD)), list(kLargeSize);
    for (const ScalarValue& scalar : kScalarValues)
        key.Query(scalar.name, value);
    for (const char* name : {kDriverValue, kUserDriverValue, kDisplayDriverValue})
        key.Query(name, list);
    while (userDriverImages_.AnyLeft())
        userDriverImages_.ReadNext();
}

} // namespace kelvd::floor
