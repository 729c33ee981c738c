#include "support/sheet_fixture.h"

#include "drivers/checker_device.h"
#include "include/kelvdcfg.h"
#include "platform/file_system.h"
#include "platform/profile_sections.h"
#include "platform/registry.h"
#include "platform/substitute/headless/library_templates.h"
#include "stores/config_file.h"
#include "stores/install_dirs.h"
#include "stores/registry_store.h"
#include "support/test_drivers.h"

#include <algorithm>

namespace kelvd::test {

namespace {

constexpr const char* kTestService = "System\\CurrentControlSet\\Services\\described";
constexpr uint32_t kModuleList = 0xC0001000;
constexpr uint32_t kVxdChain = 0xC0002000;

// The checker's device, whose module list holds NDIS and whose VxD chain holds VCOMM.
void PutCheckerLists(SimulatedHardware& hardware) {
    hardware.devices.Add(
        "\\\\.\\KELVD", {{kGetModuleListHeadCode, kModuleList}, {kGetVxdChainHeadCode, kVxdChain}});
    uint8_t module[35] = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0x00, 0x30, 0x00, 0xC0};
    uint8_t block[80] = {};
    std::copy_n("VCOMM   ", 8, block + 12);
    hardware.memory.Lay(kModuleList, module, sizeof module);
    hardware.memory.Lay(0xC0003000, "NDIS", 5);
    hardware.memory.Lay(kVxdChain, block, sizeof block);
}

} // namespace

void WriteCatalogues(const TempDir& dir) {
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("KELVD.API"),
                                         "12\n1\nMemory\n1\n0\n0\nExAllocatePool\n"));
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("KELVD9X.API"),
                                         "9\n0\n1\nVxD\n1\n0\n0\n_HeapAllocate\n"));
}

SheetFixture::SheetFixture() {
    AlsoClean(kTestService);
}

void SheetFixture::SetUp() {
    StoreFixture::SetUp();
    platform::SystemFacts& facts = system_.facts = TestSystemFacts();
    facts.windowsDirectory = dir_.path();
    if (Win9x()) {
        facts.platformId = platform::kPlatformWin9x;
        facts.version = 0xC0000A04; // Windows 98
        facts.systemDirectory = dir_.path();
    }
    InstallSuite();
    PutString(kFamilyKey, kInstallDirValue, dir_.path());
    TempDir::MakeDirectories(dir_.File("Farhand"));
    WriteCatalogues(dir_);
    PutDword(kTestService, "Type", 1);
    PutDword(kTestService, "Start", 1);
    PutCheckerLists(hardware_);
    savedSystemIni_ = SystemIniSection();
    SetSystemIniSection("woafont=dosapp.fon|");
}

void SheetFixture::TearDown() {
    SetSystemIniSection(savedSystemIni_);
    frontEndScope_.reset();
    frontEnd_.reset();
    StoreFixture::TearDown();
}

int32_t SheetFixture::Configure(int32_t mode, Script script, TargetRegistry* target,
                                const char* helpFile) {
    frontEndScope_.reset();
    frontEnd_ = std::make_unique<platform::HeadlessFrontEnd>(HeadlessTemplateOf, std::move(script));
    frontEndScope_ = std::make_unique<platform::ScopedSheetFrontEnd>(*frontEnd_);
    return ConfigureKELVD(helpFile, mode, target);
}

void SheetFixture::CheckEverything(platform::HeadlessSheetWindow& sheet) {
    platform::MemoryListView& drivers = Page(sheet, IDD_SELECT_DRIVERS).ListView(IDC_DRIVER_LIST);
    drivers.ClickCheckBox(drivers.FindItemByText(DriverName()));
    Page(sheet, EventsPage()).CheckList(CategoryList()).ClickCheckBox(0);
}

ScalarSettings SheetFixture::StoredSettings() {
    model_.runMode = kLocal;
    Take(Win9x() ? LoadConfigFile(dir_.File("KELVDVXD.CFG")) : LoadFromRegistry());
    return Held();
}

std::string SheetFixture::SystemIniSection() {
    std::string entries;
    platform::profileSections().Read("386Enh", "system.ini", &entries);
    std::replace(entries.begin(), entries.end(), '\0', '|');
    return entries.substr(0, entries.size() - 1); // the final empty entry
}

void SheetFixture::SetSystemIniSection(const std::string& entries) {
    std::string section = entries + '|';
    std::replace(section.begin(), section.end(), '|', '\0');
    platform::profileSections().Write("386Enh", section, "system.ini");
}

std::string PlatformName(const ::testing::TestParamInfo<Platform>& info) {
    return info.param == Platform::Win9x ? "Windows9x" : "WindowsNt";
}

} // namespace kelvd::test
