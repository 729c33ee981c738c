#include "drivers/host_integration.h"

#include "platform/dynamic_library.h"
#include "platform/foreign_call.h"
#include "platform/profile_sections.h"
#include "res/string_table.h"

#include <cstring>

namespace kelvd {

namespace {
constexpr const char* kVxdSection = "386Enh";
constexpr const char* kSystemIni = "system.ini";
constexpr const char* kVxdEntry = "device=kelvd.vxd";
} // namespace

void NotifyControlPanel(platform::WindowHandle sheet) {
    platform::DynamicLibraries& libraries = platform::dynamicLibraries();
    platform::LibraryHandle applet = libraries.Load(kControlPanelApplet);
    if (!applet) {
        platform::messageBoxes().Show(sheet, TableString(kStrControlPanelError),
                                      TableString(kStrSheetTitle), platform::kMbIconHand);
        return;
    }
    auto setDriverState =
        reinterpret_cast<SetDriverStateFunction>(libraries.Symbol(applet, kSetDriverStateExport));
    if (!setDriverState) {
        libraries.Free(applet);
        return;
    }
    // The applet stays loaded after the call: it may keep working on what it was told.
    // The applet may be built with either calling convention: its export is called so that both
    // return to a sound stack.
    DriverStateResult result{};
    if (platform::CallForeign(setDriverState, 0u, 0u, &result) != 0 && result.member[1] != 0)
        platform::messageBoxes().Show(sheet, TableString(kStrTemporaDisabled), "Kitwright",
                                      platform::kMbIconHand);
}

void UpdateSystemIni(uint32_t start) {
    std::string section;
    if (!platform::profileSections().Read(kVxdSection, kSystemIni, &section))
        return;
    std::string kept;
    for (size_t at = 0; at < section.size() && section[at] != '\0';) {
        const char* entry = section.c_str() + at;
        size_t length = std::strlen(entry);
        if (std::strcmp(entry, kVxdEntry) != 0)
            kept.append(entry, length + 1);
        at += length + 1;
    }
    if (start == 0)
        kept.append(kVxdEntry, std::strlen(kVxdEntry) + 1);
    kept += '\0';
    platform::profileSections().Write(kVxdSection, kept, kSystemIni);
}

} // namespace kelvd
