// The settings sheet as a host runs it: which pages it shows for the run mode and platform, the
// wait cursor while it loads, what OK keeps when the catalogue could not be read, the validation
// at OK, and "Save As..." and "Load...".
#include "include/kelvdcfg.h"
#include "platform/file_system.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "support/sheet_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using namespace platform;
using test::Platform;

struct SheetPages : test::SheetFixture {};

TEST_P(SheetPages, FollowTheRunModeAndPlatform) {
    using Orders = std::vector<std::pair<int32_t, std::vector<uint32_t>>>; // by run mode
    const Orders orders = Win9x() ? Orders{{1, {1500, 1501, 1502, 1532, 1533, 1530, 1503}},
                                           {2, {1501, 1502, 1532, 1533, 1530, 1503}}}
                                  : Orders{{1, {1500, 1501, 1502, 1530, 1503}},
                                           {2, {1501, 1502, 1530, 1503}},
                                           {4, {1500, 1501, 1502, 1530, 1503}}};
    for (const auto& order : orders)
        Configure(order.first, [&](HeadlessSheetWindow& sheet) {
            EXPECT_EQ(order.second, sheet.PageTemplates()) << order.first;
            // On Windows 9x the VxD page lists the checker's VxDs.
            HeadlessDialogWindow* vxds = sheet.Page(IDD_SELECT_VXDS);
            EXPECT_EQ(Win9x(),
                      vxds && vxds->ListView(IDC_VXD_LIST).FindItemByText("VCOMM   ") == 0);
        });
}

// A catalogue that cannot be read: the sheet still opens, without events, and its OK leaves the
// hook-state file byte for byte.
TEST_P(SheetPages, OkAfterARejectedCatalogueLeavesTheHookStateFileByteForByte) {
    const std::string choices = "ExAllocatePool=1\n_HeapAllocate=0\r\nUnknown=7";
    ASSERT_TRUE(WriteWholeFile(dir_.File(HookStateFile()), choices));
    ASSERT_TRUE(WriteWholeFile(dir_.File(Win9x() ? "KELVD9X.API" : "KELVD.API"), "1\n"));
    Configure(KELVD_RUN_LOCAL, [this](HeadlessSheetWindow& sheet) {
        EXPECT_EQ((std::vector<CursorHandle>{MemoryCursor::kWait, MemoryCursor::kArrow}),
                  sheet.Cursor().shown);
        EXPECT_EQ(std::vector<std::string>{"|" + std::string(TableString(kStrNoCatalogue))},
                  MessageTexts());
        EXPECT_EQ(HeadlessSheetWindow::kSheetHandle, messages_.shown.at(0).owner);
        EXPECT_EQ(0, Page(sheet, EventsPage()).CheckList(CategoryList()).GetCount());
        sheet.PressOk();
        EXPECT_TRUE(sheet.Ended());
    });
    EXPECT_EQ(choices, FileText(HookStateFile()));
}

TEST_P(SheetPages, OkValidatesTheBufferSizeThenTheThresholdBeforeStoringAnything) {
    Configure(KELVD_RUN_LOCAL, [this](HeadlessSheetWindow& sheet) {
        HeadlessDialogWindow& advanced = Page(sheet, IDD_ADVANCED);
        // The buffer size and threshold typed, and the message they get (none: accepted).
        for (const auto& [memUsage, threshold, message] :
             {std::tuple<const char*, const char*, uint32_t>{"1023", "0x3FF", kStrSmallEventBuffer},
              {"", "0x2801", kStrBadStackThreshold},
              {"1024", "0x400", 0}}) {
            messages_.shown.clear();
            advanced.Edit(IDC_EVENT_BUFFER_SIZE).SetText(memUsage);
            advanced.Edit(IDC_STACK_THRESHOLD).SetText(threshold);
            sheet.PressOk();
            EXPECT_EQ(message == 0, sheet.Ended()) << memUsage;
            if (message) {
                EXPECT_EQ(std::vector<std::string>{"|" + std::string(TableString(message))},
                          MessageTexts());
                EXPECT_EQ(HeadlessSheetWindow::kSheetHandle, messages_.shown.at(0).owner);
                EXPECT_FALSE(FileExists(HookStateFile()));
            }
        }
    });
    EXPECT_EQ(0x400u, StoredSettings().stackThreshold);
}

TEST_P(SheetPages, SavedConfigurationLoadsBackIntoEveryPageButTheGeneralOne) {
    const std::string saved = dir_.File("mine.kwt");
    Configure(KELVD_RUN_LOCAL, [&](HeadlessSheetWindow& sheet) {
        HeadlessDialogWindow& advanced = Page(sheet, IDD_ADVANCED);
        MemoryComboBox& guardBytes = Page(sheet, IDD_MEMORY_TRACKING).ComboBox(IDC_GUARD_BYTES);
        MemoryListView& drivers = Page(sheet, IDD_SELECT_DRIVERS).ListView(IDC_DRIVER_LIST);
        const int row = drivers.FindItemByText(DriverName());
        CheckEverything(sheet);
        advanced.Edit(IDC_EVENT_BUFFER_SIZE).SetText("5000");
        guardBytes.Choose(3);
        Page(sheet, IDD_GENERAL_SETTINGS).Click(IDC_START_DISABLED);
        sheet.FileDialog().Answer(saved);
        sheet.PressButton(IDC_SAVE_CONFIG_AS);
        // Changed again, then loaded back; a cancelled dialog loads nothing.
        drivers.ClickCheckBox(row);
        Page(sheet, EventsPage()).CheckList(CategoryList()).ClickCheckBox(0);
        advanced.Edit(IDC_EVENT_BUFFER_SIZE).SetText("1024");
        guardBytes.Choose(1);
        Page(sheet, IDD_GENERAL_SETTINGS).Click(IDC_START_BOOT);
        sheet.FileDialog().Answer("");
        sheet.PressButton(IDC_LOAD_CONFIG);
        EXPECT_EQ("1024", advanced.Edit(IDC_EVENT_BUFFER_SIZE).GetText());
        sheet.FileDialog().Answer(saved);
        sheet.PressButton(IDC_LOAD_CONFIG);
        EXPECT_EQ("5000", advanced.Edit(IDC_EVENT_BUFFER_SIZE).GetText());
        EXPECT_EQ(3, guardBytes.GetCurSel());
        EXPECT_TRUE(drivers.GetCheck(drivers.FindItemByText(DriverName())));
        EXPECT_EQ(kBoxChecked, Page(sheet, EventsPage()).CheckList(CategoryList()).GetCheck(0));
        // The general page shows the earlier choice; its value is the loaded one.
        EXPECT_EQ(kChecked, Page(sheet, IDD_GENERAL_SETTINGS).Button(IDC_START_BOOT).GetCheck());
        const auto& dialogs = sheet.FileDialog().shown;
        ASSERT_EQ(3u, dialogs.size());
        EXPECT_FALSE(dialogs[0].request.open);
        EXPECT_EQ(kOfnOverwritePrompt | kOfnPathMustExist, dialogs[0].request.flags);
        EXPECT_TRUE(dialogs[2].request.open);
        EXPECT_EQ(kOfnFileMustExist | kOfnHideReadOnly, dialogs[2].request.flags);
        EXPECT_EQ(TableString(kStrConfigFileFilter), dialogs[2].request.filter);
        EXPECT_EQ("kwt", dialogs[2].request.defaultExtension);
        EXPECT_EQ(HeadlessSheetWindow::kSheetHandle, dialogs[2].owner);
        sheet.PressOk();
    });
    EXPECT_EQ(5000u, StoredSettings().memUsage);
    EXPECT_EQ(3u, StoredSettings().start);
}

INSTANTIATE_TEST_SUITE_P(Platforms, SheetPages, ::testing::Values(Platform::Nt, Platform::Win9x),
                         test::PlatformName);

} // namespace
