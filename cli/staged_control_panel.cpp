#include "cli/staged_control_panel.h"

#include "drivers/host_integration.h"

#include <cstring>
#include <type_traits>

namespace kelvcfg {

namespace {

constexpr platform::LibraryHandle kApplet = 0x4B435043; // "KCPC"

// The applet's export is called without a context: it reaches the journal of the control panel
// stand-in in force.
Journal* recording = nullptr;

#ifdef _WIN32
#define KELVCFG_APPLET_CALL __stdcall
#else
#define KELVCFG_APPLET_CALL
#endif

int32_t KELVCFG_APPLET_CALL RecordDriverStates(uint32_t, uint32_t, kelvd::DriverStateResult*) {
    if (recording)
        recording->Add({JournalEntry::Kind::ControlPanel, kelvd::kControlPanelApplet,
                        kelvd::kSetDriverStateExport, 0, std::string()});
    return 0; // as an applet that changed nothing the user must hear of
}
static_assert(std::is_same_v<decltype(&RecordDriverStates), kelvd::SetDriverStateFunction>);

} // namespace

StagedControlPanel::StagedControlPanel(platform::DynamicLibraries& base, Journal& journal)
    : base_(base), previous_(recording) {
    recording = &journal;
}

StagedControlPanel::~StagedControlPanel() {
    recording = previous_;
}

platform::LibraryHandle StagedControlPanel::Load(const char* name) {
    return std::strcmp(name, kelvd::kControlPanelApplet) == 0 ? kApplet : base_.Load(name);
}

void* StagedControlPanel::Symbol(platform::LibraryHandle library, const char* name) {
    if (library != kApplet)
        return base_.Symbol(library, name);
    return std::strcmp(name, kelvd::kSetDriverStateExport) == 0
               ? reinterpret_cast<void*>(&RecordDriverStates)
               : nullptr;
}

void StagedControlPanel::Free(platform::LibraryHandle library) {
    if (library != kApplet)
        base_.Free(library);
}

void StagedControlPanel::Commit(const Journal& journal) {
    for (const JournalEntry& entry : journal.entries())
        if (entry.kind == JournalEntry::Kind::ControlPanel)
            kelvd::NotifyControlPanel(0);
}

} // namespace kelvcfg
