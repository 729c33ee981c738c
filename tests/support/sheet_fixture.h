// Runs the settings sheet end to end through the exported functions, the headless front end
// acting as the user, on the platform's own registry, files and profile sections; the system
// facts decide the platform; services, the checker device and memory are in-memory stand-ins.
// The suite and the product family (with its Farhand directory) are installed in dir_. On NT:
// kernel driver service "described" (DESCRIBED.SYS), API category "Memory" with event
// "ExAllocatePool". On Windows 9x: the checker VxD reports module "NDIS" and VxD "VCOMM", VxD API
// group "VxD" with API "_HeapAllocate"; the system directory, KELVDVXD.CFG and system.ini in dir_.
#pragma once

#include "platform/substitute/headless/headless_front_end.h"
#include "platform/system_info.h"
#include "res/resource.h"
#include "support/simulated_machine.h"
#include "support/store_fixture.h"

#include <functional>
#include <memory>

namespace kelvd::test {

enum class Platform { Nt, Win9x };

struct SheetFixture : StoreFixture, ::testing::WithParamInterface<Platform> {
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
                                                uint32_t templateId) {
        platform::HeadlessDialogWindow* page = sheet.Page(templateId);
        EXPECT_NE(nullptr, page) << templateId;
        return *page;
    }
    // The listed driver of the platform, as the driver page names it.
    const char* DriverName() const { return Win9x() ? "NDIS" : "DESCRIBED.SYS"; }
    // The page of the platform's catalogue, its category list and its one event.
    uint32_t EventsPage() const { return Win9x() ? IDD_SELECT_VXD_APIS : IDD_SELECT_EVENTS; }
    int CategoryList() const { return Win9x() ? IDC_VXD_GROUP_LIST : IDC_CATEGORY_LIST; }
    const char* EventName() const { return Win9x() ? "_HeapAllocate" : "ExAllocatePool"; }
    // Checks the listed driver and hooks every event, as the user does.
    void CheckEverything(platform::HeadlessSheetWindow& sheet);

    std::string HookStateFile() const { return Win9x() ? "hookstate9x.dat" : "hookstate.dat"; }
    // The local store's state list: the registry's "Driver" value, or the whole KELVDVXD.CFG.
    std::string StoredStates() const {
        return Win9x() ? FileText("KELVDVXD.CFG") : ServiceValue("Driver").second;
    }

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
