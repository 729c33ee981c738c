// The exported functions end to end on NT and Windows 9x: every run mode's sheet, and what each
// stored.
#include "app/config_app.h"
#include "doubles/memory_target.h"
#include "drivers/checker_device.h"
#include "include/kelvdcfg.h"
#include "platform/file_system.h"
#include "platform/help_viewer.h"
#include "platform/registry.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "stores/farhand_export.h"
#include "stores/registry_store.h"
#include "support/sheet_fixture.h"
#include "target/target_store.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using platform::HeadlessSheetWindow;
using test::Platform;
using namespace std::string_literals;

// A help viewer that records what it was asked to show: "win:FILE@OWNER" or "html:FILE@OWNER".
struct RecordedHelp final : platform::HelpViewer {
    void ShowWinHelp(platform::WindowHandle owner, const std::string& file) override {
        shown.push_back("win:" + file + "@" + std::to_string(owner));
    }
    void ShowHtmlHelp(platform::WindowHandle owner, const std::string& file) override {
        shown.push_back("html:" + file + "@" + std::to_string(owner));
    }
    std::vector<std::string> shown;
};

struct EntryPoints : test::SheetFixture {
    // Whether the listed driver is stored with state.
    bool StoredDriverState(char state) const {
        return StoredStates().find(DriverName() + "\0"s + state) != std::string::npos;
    }
    // The choices the first test stores.
    void Choose(HeadlessSheetWindow& sheet) {
        CheckEverything(sheet);
        Page(sheet, IDD_GENERAL_SETTINGS).Click(IDC_START_DISABLED);
        Page(sheet, IDD_ADVANCED).Edit(IDC_EVENT_BUFFER_SIZE).SetText("2048");
        Page(sheet, IDD_ADVANCED).Edit(IDC_STACK_THRESHOLD).SetText("800");
        Page(sheet, IDD_MEMORY_TRACKING).ComboBox(IDC_GUARD_BYTES).Choose(3);
    }
};

TEST_P(EntryPoints, OkOnTheLocalMachineStoresWhatTheUserChose) {
    EXPECT_EQ(0, Configure(KELVD_RUN_LOCAL, [this](HeadlessSheetWindow& sheet) {
                  EXPECT_EQ("Kelvarin Settings", sheet.Title());
                  Choose(sheet);
                  sheet.PressOk();
                  EXPECT_TRUE(sheet.Ended());
              }));
    EXPECT_EQ((ScalarSettings{2048, 0x800, 0, 3, 32, 1}), StoredSettings());
    EXPECT_TRUE(StoredDriverState('\1'));
    EXPECT_EQ(std::string(EventName()) + "=1\n", FileText(HookStateFile()));
    EXPECT_EQ("woafont=dosapp.fon|", SystemIniSection()); // "Disabled": no checker line
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_P(EntryPoints, BootStartBringsTheHostInLine) {
    SetSystemIniSection("device=kelvd.vxd|woafont=dosapp.fon|");
    EXPECT_EQ(0, Configure(KELVD_RUN_LOCAL, [](HeadlessSheetWindow& sheet) { sheet.PressOk(); }));
    if (Win9x()) {
        EXPECT_EQ("woafont=dosapp.fon|device=kelvd.vxd|", SystemIniSection());
        EXPECT_TRUE(messages_.shown.empty());
    } else {
        // The control panel cannot be loaded here; the sheet still closes.
        EXPECT_EQ(std::vector<std::string>{"Kelvarin Settings|" +
                                           std::string(TableString(kStrControlPanelError))},
                  MessageTexts());
        EXPECT_EQ(HeadlessSheetWindow::kSheetHandle, messages_.shown[0].owner);
        EXPECT_EQ("device=kelvd.vxd|woafont=dosapp.fon|", SystemIniSection());
    }
    EXPECT_EQ(0u, StoredSettings().start);
}

// Choices among the categories of a catalogue whose version reads as missing (FF) are kept; with
// no catalogue at all, OK leaves the choices the hook-state file holds.
TEST_P(EntryPoints, HookStateFollowsTheCategoriesShownAndStaysWithoutACatalogue) {
    const std::string name = Win9x() ? "KELVD9X.API" : "KELVD.API";
    const std::string catalogue = FileText(name);
    ASSERT_TRUE(
        platform::WriteWholeFile(dir_.File(name), "FF" + catalogue.substr(catalogue.find('\n'))));
    EXPECT_EQ(0, Configure(KELVD_RUN_LOCAL, [this](HeadlessSheetWindow& sheet) {
                  CheckEverything(sheet);
                  Page(sheet, IDD_GENERAL_SETTINGS).Click(IDC_START_DISABLED);
                  sheet.PressOk();
              }));
    EXPECT_EQ(std::vector<std::string>{"|" + std::string(TableString(kStrNoCatalogue))},
              MessageTexts());
    const std::string chosen = std::string(EventName()) + "=1\n";
    EXPECT_EQ(chosen, FileText(HookStateFile()));
    ASSERT_TRUE(platform::fileSystem().Remove(dir_.File(name).c_str()));
    EXPECT_EQ(0, Configure(KELVD_RUN_LOCAL, [](HeadlessSheetWindow& sheet) { sheet.PressOk(); }));
    EXPECT_EQ(chosen, FileText(HookStateFile()));
}

// A sheet that cannot be shown (its window not made) is not a cancelled one.
TEST_P(EntryPoints, SheetThatCannotBeShownReturns0) {
    struct Unshown final : platform::SheetFrontEnd {
        int RunModal(const std::string&, const platform::SheetLayout&,
                     platform::SheetHost&) override {
            return -1;
        }
    } unshown;
    platform::ScopedSheetFrontEnd scope(unshown);
    EXPECT_EQ(0, ConfigureKELVD("kelvd.hlp", KELVD_RUN_LOCAL, nullptr));
}

// Cancel, a sheet nobody closes, and OK on the sheet alone store nothing.
TEST_P(EntryPoints, CancelAndTheSheetOnlyModeStoreNothing) {
    EXPECT_EQ(KELVD_CANCELLED, Configure(KELVD_RUN_LOCAL, [this](HeadlessSheetWindow& sheet) {
                  Choose(sheet);
                  sheet.PressCancel();
                  sheet.PressOk(); // the sheet has gone
              }));
    EXPECT_EQ(KELVD_CANCELLED, Configure(KELVD_RUN_LOCAL, nullptr));
    EXPECT_EQ(platform::kInvalidDevice, checkerDevice); // the cancel released the model
    EXPECT_EQ(0, Configure(KELVD_RUN_SHEET_ONLY, [this](HeadlessSheetWindow& sheet) {
                  Choose(sheet);
                  sheet.PressOk();
                  EXPECT_TRUE(sheet.Ended());
              }));
    EXPECT_FALSE(FileExists(HookStateFile()));
    EXPECT_FALSE(FileExists("KELVDVXD.CFG"));
    EXPECT_EQ(0u, ServiceValue("MemUsage").first); // opening the sheet made the key
    EXPECT_EQ("woafont=dosapp.fon|", SystemIniSection());
}

TEST_P(EntryPoints, FarhandExportWritesOnlyTheExportAndSaysSo) {
    EXPECT_EQ(0, Configure(KELVD_RUN_FARHAND_EXPORT, [this](HeadlessSheetWindow& sheet) {
                  EXPECT_EQ("Configure Kelvarin Settings for use with Farhand", sheet.Title());
                  EXPECT_EQ(uint32_t(IDD_SELECT_DRIVERS), sheet.PageTemplates().front());
                  CheckEverything(sheet);
                  sheet.PressOk();
              }));
    if (Win9x()) {
        EXPECT_NE(std::string::npos, FileText("Farhand\\KELVDVXD.CFG").find("NDIS\0\1"s));
    } else {
        std::string script = FileText("Farhand\\KVConfig.Reg");
        EXPECT_EQ(0u, script.find("REGEDIT4\n"));
        EXPECT_NE(std::string::npos, script.find("\"MemUsage\"=dword:00000400"));
        EXPECT_EQ(0u, ServiceValue("MemUsage").first);
    }
    EXPECT_EQ(std::vector<std::string>{std::string(kFarhandSettingsCaption) + "|" +
                                       TableString(kStrFarhandCreated)},
              MessageTexts());
    EXPECT_FALSE(FileExists(HookStateFile()));
    EXPECT_FALSE(FileExists("KELVDVXD.CFG"));
}

TEST_P(EntryPoints, EmbeddedTargetReadsAndWritesTheTargetsRegistry) {
    MemoryTarget target;
    std::string shown;
    auto typeAndOk = [this, &shown](HeadlessSheetWindow& sheet) {
        auto& buffer = Page(sheet, IDD_ADVANCED).Edit(IDC_EVENT_BUFFER_SIZE);
        shown = buffer.GetText();
        // The target's drivers, none, take the place of the local ones.
        EXPECT_EQ(
            -1,
            Page(sheet, IDD_SELECT_DRIVERS).ListView(IDC_DRIVER_LIST).FindItemByText(DriverName()));
        buffer.SetText("4096");
        sheet.PressOk();
    };
    EXPECT_EQ(0, Configure(KELVD_RUN_EMBEDDED_TARGET, typeAndOk, target.table()));
    EXPECT_EQ(target.table(), configApp().target);
    Take(LoadFromTarget(*target.table()));
    EXPECT_EQ(4096u, Held().memUsage);
    EXPECT_FALSE(FileExists("KELVDVXD.CFG"));
    // The next sheet reads the target on NT (Windows 9x reads its own KELVDVXD.CFG, which this
    // mode never writes): it shows what was stored there.
    EXPECT_EQ(0, Configure(KELVD_RUN_EMBEDDED_TARGET, typeAndOk, target.table()));
    EXPECT_EQ(Win9x() ? "1024" : "4096", shown);
}

TEST_P(EntryPoints, HelpIsTheHostsFileInModes0And3And4Only) {
    RecordedHelp help;
    platform::ScopedHelpViewer scope(help);
    MemoryTarget target;
    const std::string sheet = "@" + std::to_string(HeadlessSheetWindow::kSheetHandle);
    const std::vector<std::string> expected[] = {
        {"win:kelvd.hlp" + sheet}, {}, {}, {"win:kelvd.hlp" + sheet}, {"html:kelvd.chm" + sheet}};
    for (int32_t mode : {0, 1, 2, 3, 4}) {
        help.shown.clear();
        Configure(
            mode, [](HeadlessSheetWindow& window) { window.PressHelp(); }, target.table(),
            mode == 4 ? "kelvd.chm" : "kelvd.hlp");
        EXPECT_EQ(expected[mode], help.shown) << mode;
    }
    // Mode 0 is the local machine's sheet.
    Configure(
        0, [](HeadlessSheetWindow& window) { window.PressOk(); }, nullptr, nullptr);
    EXPECT_TRUE(FileExists(HookStateFile()));
}

TEST_P(EntryPoints, SelectAllAndSelectNoneStoreWithoutASheet) {
    if (!Win9x()) {
        PutString(kServiceKey, "UserDriver", "C:\\mine.sys");
        PutDword(kServiceKey, "MemUsage", 5000);
    }
    SelectAll();
    EXPECT_TRUE(StoredDriverState('\1'));
    EXPECT_EQ(ScalarSettings(), StoredSettings());
    SelectNone();
    EXPECT_TRUE(StoredDriverState('\0'));
    EXPECT_EQ(platform::kInvalidDevice, checkerDevice); // the model was released
    EXPECT_EQ(0, Runs());
    EXPECT_FALSE(FileExists(HookStateFile()));
    EXPECT_EQ(0u, ServiceValue("UserDriver").first);
}

INSTANTIATE_TEST_SUITE_P(Platforms, EntryPoints, ::testing::Values(Platform::Nt, Platform::Win9x),
                         test::PlatformName);

} // namespace
