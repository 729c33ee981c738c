// Bringing the rest of the system in line with the checker's start setting when a configuration
// for the local machine is applied.
#pragma once

#include "platform/message_box.h"

#include <cstdint>

namespace kelvd {

constexpr const char* kControlPanelApplet = "FLine.cpl";
constexpr const char* kSetDriverStateExport = "FLCPanel_SetDriverState";

// The applet's export: (0, 0, result) with a 20-byte result the caller reserves; non-zero for
// success. The result's second member is non-zero when the Tempora timing driver was disabled.
struct DriverStateResult {
    uint32_t member[5];
};
static_assert(sizeof(DriverStateResult) == 20, "the applet writes a 20-byte result");
#ifdef _WIN32
using SetDriverStateFunction = int32_t(__stdcall*)(uint32_t, uint32_t, DriverStateResult*);
#else
using SetDriverStateFunction = int32_t (*)(uint32_t, uint32_t, DriverStateResult*);
#endif

// Windows NT, boot start chosen: tells the Forgeline control panel to set the drivers' states,
// and tells the user when that disabled the Tempora driver. Messages are owned by sheet.
void NotifyControlPanel(platform::WindowHandle sheet);

// Windows 9x: the "386Enh" section of system.ini loads the checker's VxD exactly when start is
// 0 (boot), with one "device=kelvd.vxd" entry as the section's last. A section that cannot be
// read whole is left as it is.
void UpdateSystemIni(uint32_t start);

} // namespace kelvd
