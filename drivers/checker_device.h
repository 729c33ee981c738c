// The connection to the running checker on Windows 9x: its kernel-driver service, its device and
// the two device control calls that report where its lists lie in system memory.
#pragma once

#include "platform/device_io.h"
#include "platform/service_manager.h"

#include <cstdint>
#include <string>

namespace kelvd {

// The checker device, open only from a Windows 9x model load to the end of its sheet;
// kInvalidDevice otherwise (always on Windows NT).
extern platform::DeviceHandle checkerDevice;

constexpr uint32_t kCheckerDeviceType = 0x8400;
constexpr uint32_t kGetVxdChainHeadCode = platform::BufferedControlCode(kCheckerDeviceType, 6);
constexpr uint32_t kGetModuleListHeadCode = platform::BufferedControlCode(kCheckerDeviceType, 10);

// Installs, starts and opens the checker under "KELVD", else under "KELVD.VXD"; true when the
// device opened.
bool ConnectChecker();
// Creates and starts the kernel-driver service name with the image path, then opens its device;
// true when the device opened, whatever became of the service.
bool InstallAndOpenDriver(const std::string& name, const std::string& path);
// The two service steps; their results are for the record only.
bool CreateDriverService(platform::ScHandle manager, const std::string& name,
                         const std::string& path);
bool StartDriverService(platform::ScHandle manager, const std::string& name);
// Opens "\\.\<name>" into checkerDevice; true when it opened.
bool OpenCheckerDevice(const std::string& name);

// The addresses in system memory of the first VxD descriptor block and of the first entry of the
// checker's module list; 0 for none, and without a device call when the device is not open.
uint32_t GetVxdChainHead();
uint32_t GetModuleListHead();

// Closes checkerDevice when it is open and marks it invalid.
void CloseCheckerDevice();

} // namespace kelvd
