#include "drivers/checker_device.h"

#include "platform/system_info.h"

namespace kelvd {

platform::DeviceHandle checkerDevice = platform::kInvalidDevice;

namespace {

constexpr uint32_t kWindowsDirectorySize = 256;
constexpr const char* kCheckerName = "KELVD";
constexpr const char* kCheckerVxdName = "KELVD.VXD";
constexpr const char* kCheckerFile = "KELVD.SYS";

uint32_t AskChecker(uint32_t code) {
    if (checkerDevice == platform::kInvalidDevice)
        return 0;
    // The answer is whatever the buffer holds afterwards, so a failed call gives 0.
    uint32_t answer = 0;
    uint32_t returned = 0;
    platform::deviceIo().Control(checkerDevice, code, nullptr, 0, &answer, sizeof answer,
                                 &returned);
    return answer;
}

} // namespace

bool ConnectChecker() {
    const std::string path = platform::systemInfo().WindowsDirectory(kWindowsDirectorySize) +
                             "\\SYSTEM32\\DRIVERS" + "\\" + kCheckerFile;
    return InstallAndOpenDriver(kCheckerName, path) || InstallAndOpenDriver(kCheckerVxdName, path);
}

bool InstallAndOpenDriver(const std::string& name, const std::string& path) {
    platform::ServiceManager& services = platform::serviceManager();
    // On Windows 9x there is no service manager: the service steps fail without effect and only
    // the device decides.
    platform::ScHandle manager =
        services.OpenManager(nullptr, nullptr, platform::svc::kManagerAllAccess);
    CreateDriverService(manager, name, path);
    StartDriverService(manager, name);
    bool opened = OpenCheckerDevice(name);
    services.Close(manager);
    return opened;
}

bool CreateDriverService(platform::ScHandle manager, const std::string& name,
                         const std::string& path) {
    platform::ServiceManager& services = platform::serviceManager();
    const platform::NewService checker{name.c_str(),
                                       name.c_str(),
                                       platform::svc::kAllAccess,
                                       platform::svc::kKernelDriver,
                                       platform::svc::kBootStart,
                                       platform::svc::kErrorIgnore,
                                       path.c_str()};
    platform::ScHandle service = services.Create(manager, checker);
    if (service)
        services.Close(service);
    return service != 0;
}

bool StartDriverService(platform::ScHandle manager, const std::string& name) {
    platform::ServiceManager& services = platform::serviceManager();
    platform::ScHandle service = services.Open(manager, name.c_str(), platform::svc::kAllAccess);
    if (!service)
        return false;
    bool started =
        services.Start(service) || services.LastError() == platform::svc::kErrorAlreadyRunning;
    services.Close(service);
    return started;
}

bool OpenCheckerDevice(const std::string& name) {
    const std::string device = "\\\\.\\" + name;
    platform::DeviceHandle handle = platform::deviceIo().Open(
        device.c_str(), 0, 0, platform::kCreateNew, platform::kFlagDeleteOnClose);
    if (handle == platform::kInvalidDevice)
        return false;
    checkerDevice = handle;
    return true;
}

uint32_t GetVxdChainHead() {
    return AskChecker(kGetVxdChainHeadCode);
}

uint32_t GetModuleListHead() {
    return AskChecker(kGetModuleListHeadCode);
}

void CloseCheckerDevice() {
    if (checkerDevice == platform::kInvalidDevice)
        return;
    platform::deviceIo().Close(checkerDevice);
    checkerDevice = platform::kInvalidDevice;
}

} // namespace kelvd
