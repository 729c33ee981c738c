// Runs the settings sheet end to end on a machine of either platform, through the exported
// functions, with the headless front end acting as the user. The platform's own registry, files
// and profile sections are used (the real ones under Wine); the system facts decide the platform,
// and the services, the checker device and system memory are the in-memory stand-ins. The
// machine has:
//   - the suite installed in dir_ (the API catalogue, the hook-state file), the product family
//     in dir_ too, with its Farhand directory;
//   - on NT a kernel driver service "described" (DESCRIBED.SYS) and API category "Memory" with
//     event "ExAllocatePool";
//   - on Windows 9x the checker VxD reporting module "NDIS" and VxD "VCOMM", VxD API group "VxD"
//     with API "_HeapAllocate", and its system directory, KELVDVXD.CFG and system.ini in dir_.
#pragma once

#include "doubles/headless/headless_front_end.h"
#include "platform/system_info.h"
#include "support/simulated_machine.h"
#include "support/store_fixture.h"

#include <functional>
#include <memory>

namespace kelvd::test {

enum class Platform { Nt, Win9x };

class SheetFixture : public StoreFixture, public ::testing::WithParamInterface<Platform> {
protected:
    using Script = std::function<void(platform::HeadlessSheetWindow&)>;

    SheetFixture();
    void SetUp() override;
    void TearDown() override;

    bool Win9x() const { return GetParam() == Platform::Win9x; }

    // ConfigureKELVD(helpFile, mode, target) with script acting on the sheet; its result.
    int32_t Configure(int32_t mode, Script script, TargetRegistry* target = nullptr,
                      const char* helpFile = "kelvd.hlp");
    // How many sheets Configure has run.
    int Runs() const { return frontEnd_ ? frontEnd_->runs : 0; }

    // The page of a running sheet; the test fails without one.
    static platform::HeadlessDialogWindow& Page(platform::HeadlessSheetWindow& sheet,
                                                uint32_t templateId);
    // The listed driver of the platform, as the driver page names it.
    const char* DriverName() const { return Win9x() ? "NDIS" : "DESCRIBED.SYS"; }
    // The page of the platform's catalogue, its category list and its one event.
    uint32_t EventsPage() const;
    int CategoryList() const;
    const char* EventName() const { return Win9x() ? "_HeapAllocate" : "ExAllocatePool"; }
    // Checks the listed driver and hooks every event, as the user does.
    void CheckEverything(platform::HeadlessSheetWindow& sheet);

    std::string HookStateFile() const { return Win9x() ? "hookstate9x.dat" : "hookstate.dat"; }
    // The stored state list of the platform's local store (the registry's "Driver" value, or
    // the whole KELVDVXD.CFG).
    std::string StoredStates() const;

    // The settings read back from the local store of the platform (registry or KELVDVXD.CFG).
    ScalarSettings StoredSettings();
    // The entries of system.ini's "386Enh" section, "a=1|b=2|".
    static std::string SystemIniSection();
    static void SetSystemIniSection(const std::string& entries);

private:
    platform::FixedSystemInfo system_;
    platform::ScopedSystemInfo systemScope_{system_};
    SimulatedHardware hardware_;
    std::unique_ptr<platform::HeadlessFrontEnd> frontEnd_;
    std::unique_ptr<platform::ScopedSheetFrontEnd> frontEndScope_;
    std::string savedSystemIni_;
};

std::string PlatformName(const ::testing::TestParamInfo<Platform>& info);

// The API catalogues of both platforms in dir: category "Memory" with event "ExAllocatePool",
// and VxD API group "VxD" with API "_HeapAllocate".
void WriteCatalogues(const TempDir& dir);

} // namespace kelvd::test
