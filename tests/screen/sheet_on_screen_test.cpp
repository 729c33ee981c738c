// The settings sheet on the screen, opened through ConfigureKELVD and driven through its windows
// with window messages only, as a user (or a host's automation) acts on it; what it stored
// afterwards.
#include "doubles/memory_target.h"
#include "include/kelvdcfg.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "screen/screen_script.h"
#include "screen/screen_windows.h"
#include "support/recorded_help.h"
#include "support/sheet_fixture.h"
#include "support/test_drivers.h"
#include "target/target_store.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

using namespace kelvd;
using namespace kelvd::test;

constexpr int kMessageTextId = 0xFFFF;

class SheetOnScreen : public SheetFixture {
protected:
    // A step that waits for the sheet and keeps it in sheet_.
    ScreenScript::Step SheetOpen() {
        return [this] { return (sheet_ = FindSheet()) != nullptr; };
    }
    // A step that waits for a message box, notes its text and answers it with OK.
    ScreenScript::Step Answer() {
        return [this] {
            HWND box = FindMessageBox();
            if (box) {
                answered_.push_back(ControlText(box, kMessageTextId));
                PressButton(box, IDOK);
            }
            return box != nullptr;
        };
    }
    // A step that answers every message box with OK, noting its text, until the sheet has gone.
    ScreenScript::Step AnswerUntilClosed() {
        return [this] {
            if (FindMessageBox())
                Answer()();
            return FindSheet() == nullptr;
        };
    }
    // A step that waits for a file dialog and answers it with path.
    static ScreenScript::Step ChooseFile(std::string path) {
        return [path] {
            HWND dialog = FindFileDialog();
            if (dialog)
                AnswerFileDialog(dialog, path);
            return dialog != nullptr;
        };
    }

    HWND Page(const char* caption) const { return FindPage(sheet_, caption); }
    HWND Control(const char* page, int controlId) const {
        return GetDlgItem(Page(page), controlId);
    }
    const char* EventsCaption() const { return Win9x() ? "Select VxD APIs" : "Select Driver APIs"; }
    HWND Drivers() const { return Control("Select Drivers", IDC_DRIVER_LIST); }
    int ListedDriver() const { return FindListRow(Drivers(), DriverName()); }
    std::vector<int> AllDrivers() const {
        std::vector<int> rows(static_cast<size_t>(ListView_GetItemCount(Drivers())));
        for (size_t row = 0; row < rows.size(); ++row)
            rows[row] = static_cast<int>(row);
        return rows;
    }
    // How many driver rows are checked.
    int CheckedDrivers() const {
        int checked = 0;
        for (int row : AllDrivers())
            checked += ListRowChecked(Drivers(), row);
        return checked;
    }
    void TypeAdvanced(int controlId, const char* text) {
        TypeText(Page("Advanced"), controlId, text);
    }
    // The steps that type size into the event buffer size, press OK and answer what follows.
    void TypeBufferSizeAndOk(ScreenScript& script, const char* size) {
        script.Then(SheetOpen())
            .Do([this, size] {
                TypeAdvanced(IDC_EVENT_BUFFER_SIZE, size);
                PressButton(sheet_, IDOK);
            })
            .Then(AnswerUntilClosed());
    }

    // Messages go to real message boxes, which the script answers.
    platform::ScopedMessageBoxes realBoxes_{platform::nativeMessageBoxes()};
    HWND sheet_ = nullptr;
    std::vector<std::string> answered_;
};

TEST_P(SheetOnScreen, WalkingTheTreeShowsEachPageWithItsCaptionAndOkStores) {
    std::vector<std::string> captions, shown;
    ScreenScript script;
    script.Then(SheetOpen())
        .Do([&] {
            EXPECT_EQ("Kelvarin Settings", WindowText(sheet_));
            captions = TreeCaptions(sheet_);
            for (size_t index = 0; index < captions.size(); ++index) {
                ChooseTreeItem(sheet_, index);
                HWND page = Page(captions[index].c_str());
                EXPECT_TRUE(page && IsWindowVisible(page)) << captions[index];
                shown.push_back(ControlText(sheet_, IDC_PAGE_CAPTION));
            }
            PressButton(sheet_, IDOK);
        })
        .Then(AnswerUntilClosed());
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Completed());
    std::vector<std::string> expected = {"General Settings", "Select Drivers", "Select Driver APIs",
                                         "Memory Tracking", "Advanced"};
    if (Win9x())
        expected.insert(expected.begin() + 3, {"Select VxDs", "Select VxD APIs"});
    EXPECT_EQ(expected, captions);
    EXPECT_EQ(captions, shown);
    EXPECT_EQ(0u, StoredSettings().start);
}

TEST_P(SheetOnScreen, OkValidatesTheTypedBufferSizeThenTheThreshold) {
    ScreenScript script;
    script.Then(SheetOpen())
        .Do([&] {
            TypeAdvanced(IDC_EVENT_BUFFER_SIZE, "10");
            TypeAdvanced(IDC_STACK_THRESHOLD, "1");
            PressButton(sheet_, IDOK);
        })
        .Then(Answer())
        .Do([&] {
            TypeAdvanced(IDC_EVENT_BUFFER_SIZE, "2048");
            PressButton(sheet_, IDOK);
        })
        .Then(Answer())
        .Do([&] { TypeAdvanced(IDC_STACK_THRESHOLD, "800"); });
    TypeBufferSizeAndOk(script, "2048");
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Completed());
    ASSERT_LE(2u, answered_.size());
    EXPECT_EQ(TableString(kStrSmallEventBuffer), answered_[0]);
    EXPECT_EQ(TableString(kStrBadStackThreshold), answered_[1]);
    ScalarSettings stored = StoredSettings();
    EXPECT_EQ(2048u, stored.memUsage);
    EXPECT_EQ(0x800u, stored.stackThreshold);
}

TEST_P(SheetOnScreen, DriversAreCheckedBySpaceOneOrSeveralAndBySelectAll) {
    ScreenScript script;
    script.Then(SheetOpen())
        .Do([&] {
            ASSERT_LE(0, ListedDriver());
            SpaceOnListRows(Drivers(), {ListedDriver()});
            EXPECT_TRUE(ListRowChecked(Drivers(), ListedDriver()));
            EXPECT_EQ(1, CheckedDrivers());
            SpaceOnListRows(Drivers(), {ListedDriver()});
            EXPECT_EQ(0, CheckedDrivers());
            ClickButton(Page("Select Drivers"), IDC_SELECT_ALL);
            EXPECT_EQ(static_cast<int>(AllDrivers().size()), CheckedDrivers());
            ClickButton(Page("Select Drivers"), IDC_DESELECT_ALL);
            EXPECT_EQ(0, CheckedDrivers());
            SpaceOnListRows(Drivers(), AllDrivers());
            EXPECT_EQ(static_cast<int>(AllDrivers().size()), CheckedDrivers());
            PressButton(sheet_, IDOK);
        })
        .Then(AnswerUntilClosed());
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Completed());
    EXPECT_TRUE(StoredDriverState('\1'));
}

TEST_P(SheetOnScreen, CategoryBoxesFollowTheirEvents) {
    ScreenScript script;
    script.Then(SheetOpen())
        .Do([&] {
            HWND categories = Control(EventsCaption(), CategoryList());
            HWND events = Control(EventsCaption(), Win9x() ? IDC_VXD_API_LIST : IDC_EVENT_LIST);
            ClickCheckListBox(categories, 0);
            EXPECT_EQ(platform::kBoxChecked, CheckListBox(categories, 0));
            EXPECT_EQ(platform::kBoxChecked, CheckListBox(events, 0));
            ClickCheckListBox(events, 0);
            EXPECT_EQ(platform::kBoxClear, CheckListBox(events, 0));
            EXPECT_EQ(platform::kBoxClear, CheckListBox(categories, 0));
            SendMessageA(events, WM_KEYDOWN, VK_SPACE, 0);
            EXPECT_EQ(platform::kBoxChecked, CheckListBox(events, 0));
            EXPECT_EQ(platform::kBoxChecked, CheckListBox(categories, 0));
            PressButton(sheet_, IDOK);
        })
        .Then(AnswerUntilClosed());
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(std::string(EventName()) + "=1\n", FileText(HookStateFile()));
}

TEST_P(SheetOnScreen, SavedConfigurationLoadsBack) {
    const std::string saved = dir_.File("saved.kwt");
    ScreenScript script;
    script.Then(SheetOpen())
        .Do([&] {
            TypeAdvanced(IDC_EVENT_BUFFER_SIZE, "4096");
            PressButton(sheet_, IDC_SAVE_CONFIG_AS);
        })
        .Then(ChooseFile(saved))
        .Do([&] {
            TypeAdvanced(IDC_EVENT_BUFFER_SIZE, "1024");
            PressButton(sheet_, IDC_LOAD_CONFIG);
        })
        .Then(ChooseFile(saved))
        .Do([&] {
            EXPECT_EQ("4096", ControlText(Page("Advanced"), IDC_EVENT_BUFFER_SIZE));
            PressButton(sheet_, IDOK);
        })
        .Then(AnswerUntilClosed());
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Completed());
    EXPECT_TRUE(FileExists("saved.kwt"));
    EXPECT_EQ(4096u, StoredSettings().memUsage);
}

TEST_P(SheetOnScreen, DriverAddedByFileIsListedChecked) {
    ScreenScript script;
    script.Then(SheetOpen())
        .Do([&] { PressButton(Page("Select Drivers"), IDC_ADD_DRIVER); })
        .Then(ChooseFile(TestDriver("PLAIN.SYS")))
        .Do([&] {
            int row = FindListRow(Drivers(), "PLAIN.SYS");
            EXPECT_LE(0, row);
            EXPECT_TRUE(ListRowChecked(Drivers(), row));
            PressButton(sheet_, IDCANCEL);
        });
    EXPECT_EQ(KELVD_CANCELLED, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Completed());
}

INSTANTIATE_TEST_SUITE_P(Platforms, SheetOnScreen, ::testing::Values(Platform::Nt, Platform::Win9x),
                         PlatformName);

// The ways a user closes the sheet without OK: each cancels and stores nothing.
struct CloseWay {
    const char* name;
    void (*close)(HWND sheet);
};

class SheetClosedOnScreen : public SheetOnScreen {};

const CloseWay kCloseWays[] = {
    {"CancelButton", [](HWND sheet) { PressButton(sheet, IDCANCEL); }},
    {"Escape",
     [](HWND sheet) { PostMessageA(GetDlgItem(sheet, IDC_PAGE_TREE), WM_KEYDOWN, VK_ESCAPE, 0); }},
    {"CloseBox", [](HWND sheet) { PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

TEST_P(SheetClosedOnScreen, EveryWayButOkCancels) {
    for (const CloseWay& way : kCloseWays) {
        ScreenScript script;
        script.Then(SheetOpen()).Do([&] {
            TypeAdvanced(IDC_EVENT_BUFFER_SIZE, "2048");
            way.close(sheet_);
        });
        EXPECT_EQ(KELVD_CANCELLED, ConfigureOnScreen(KELVD_RUN_LOCAL)) << way.name;
        EXPECT_TRUE(script.Completed()) << way.name;
        EXPECT_FALSE(SettingsStored()) << way.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Platforms, SheetClosedOnScreen, ::testing::Values(Platform::Nt),
                         PlatformName);

// The other run modes, on NT.
class RunModesOnScreen : public SheetOnScreen {};

TEST_P(RunModesOnScreen, FarhandExportIsWrittenAndAnnounced) {
    ScreenScript script;
    script.Then(SheetOpen())
        .Do([&] {
            EXPECT_EQ("Configure Kelvarin Settings for use with Farhand", WindowText(sheet_));
            PressButton(sheet_, IDOK);
        })
        .Then(AnswerUntilClosed());
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_FARHAND_EXPORT));
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(std::vector<std::string>{TableString(kStrFarhandCreated)}, answered_);
    EXPECT_EQ(0u, FileText("Farhand\\KVConfig.Reg").find("REGEDIT4\n"));
    EXPECT_FALSE(SettingsStored());
}

TEST_P(RunModesOnScreen, EmbeddedTargetGetsWhatWasTyped) {
    MemoryTarget target;
    ScreenScript script;
    TypeBufferSizeAndOk(script, "4096");
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_EMBEDDED_TARGET, target.table()));
    EXPECT_TRUE(script.Completed());
    Take(LoadFromTarget(*target.table()));
    EXPECT_EQ(4096u, Held().memUsage);
}

TEST_P(RunModesOnScreen, SheetOnlyStoresNothing) {
    ScreenScript script;
    TypeBufferSizeAndOk(script, "4096");
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_SHEET_ONLY));
    EXPECT_TRUE(script.Completed());
    EXPECT_FALSE(SettingsStored());
    EXPECT_FALSE(FileExists(HookStateFile()));
}

// F1 on the sheet, or on a page (whose window passes it on to the sheet), shows the host's help
// file, owned by the sheet.
TEST_P(RunModesOnScreen, HelpReachesTheSheetFromItselfAndFromAPage) {
    RecordedHelp help;
    platform::ScopedHelpViewer scope(help);
    std::string sheet;
    ScreenScript script;
    script.Then(SheetOpen()).Do([&] {
        sheet = std::to_string(reinterpret_cast<uintptr_t>(sheet_));
        HELPINFO info{};
        info.cbSize = sizeof info;
        SendMessageA(sheet_, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        SendMessageA(Page("Advanced"), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        PressButton(sheet_, IDCANCEL);
    });
    EXPECT_EQ(KELVD_CANCELLED, ConfigureOnScreen(KELVD_RUN_LOCAL_WITH_HELP));
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ((std::vector<std::string>{"win:kelvd.hlp@" + sheet, "win:kelvd.hlp@" + sheet}),
              help.shown);
}

INSTANTIATE_TEST_SUITE_P(Nt, RunModesOnScreen, ::testing::Values(Platform::Nt), PlatformName);

} // namespace
