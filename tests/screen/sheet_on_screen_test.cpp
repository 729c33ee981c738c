// The settings sheet on the screen, opened through ConfigureKELVD and used with the real mouse
// where a user uses it: the pages chosen in the tree, the boxes of the driver lists (kernel,
// display and user-added rows, alone and within a selection), the category and event boxes, the
// radio buttons, the check box and the list of the memory page, and the OK and Cancel buttons;
// then what was stored.
#include "include/kelvdcfg.h"
#include "pages/driver_list_page.h"
#include "platform/win32/controls/win32_list_view.h"
#include "platform/win32/controls/win32_user_input.h"
#include "res/resource.h"
#include "screen/screen_script.h"
#include "screen/screen_windows.h"
#include "support/sheet_fixture.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using namespace kelvd;
using namespace kelvd::test;

constexpr const char* kPrinters =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86\\Drivers\\Version-3";
using States = std::map<std::string, uint32_t>;

class SheetOnScreen : public SheetFixture {
protected:
    // A printer driver, listed among the display drivers.
    SheetOnScreen() { AlsoClean(kPrinters); }
    void SetUp() override {
        SheetFixture::SetUp();
        PutString((std::string(kPrinters) + "\\Kelvarin Test Printer").c_str(), "Driver",
                  "PRINTER.DLL");
    }

    HWND Page(const std::string& caption) const { return FindPage(sheet_, caption); }
    platform::Win32DialogInput User(const std::string& page) {
        return platform::Win32DialogInput(Page(page));
    }
    // A click on a button that closes the sheet, left to the sheet's loop.
    static void Press(HWND dialog, int button) {
        platform::Win32DialogInput(dialog, platform::Delivery::Queued).Button(button).Click();
    }
    // A click on the page in the tree; the sheet shows it, with its caption above it.
    void ShowPage(const std::string& caption) {
        std::vector<std::string> captions = TreeCaptions(sheet_);
        auto found = std::find(captions.begin(), captions.end(), caption);
        ASSERT_NE(captions.end(), found) << caption;
        platform::Win32SheetInput(sheet_, IDC_PAGE_TREE).ChoosePage(found - captions.begin());
        EXPECT_TRUE(IsWindowVisible(Page(caption))) << caption;
        EXPECT_EQ(caption, ControlText(sheet_, IDC_PAGE_CAPTION));
    }
    const char* EventsCaption() const { return Win9x() ? "Select VxD APIs" : "Select Driver APIs"; }

    // A driver list page of the platform, with the rows whose boxes are clicked: a listed row,
    // on NT a display driver, and last the row the user adds from that file.
    struct ListPage {
        const char* caption;
        int list, add;
        std::vector<std::string> rows;
    };
    std::vector<ListPage> ListPages() const {
        if (!Win9x())
            return {{"Select Drivers",
                     IDC_DRIVER_LIST,
                     IDC_ADD_DRIVER,
                     {"DESCRIBED.SYS", "PRINTER.DLL", "PLAIN.SYS"}}};
        return {{"Select Drivers", IDC_DRIVER_LIST, IDC_ADD_DRIVER, {"NDIS", "PLAIN.SYS"}},
                {"Select VxDs", IDC_VXD_LIST, IDC_ADD_VXD, {"VCOMM   ", "PRODUCT.SYS"}}};
    }
    platform::Win32ListView List(const ListPage& page) const {
        return platform::Win32ListView(GetDlgItem(Page(page.caption), page.list));
    }

    // Clicks the box of each row three times: every click turns what it shows over.
    void ClickEachBoxThrice(const ListPage& page) {
        platform::Win32ListView list = List(page);
        for (const std::string& name : page.rows) {
            int row = list.FindItemByText(name);
            ASSERT_LE(0, row) << name;
            for (int click = 0; click < 3; ++click) {
                bool before = list.GetCheck(row);
                User(page.caption).ListView(page.list).ClickCheckBox(row);
                EXPECT_NE(before, list.GetCheck(row)) << name << ", click " << click + 1;
            }
        }
    }
    // Selects the rows (the first by a click, the others by control-clicks) and clicks the box
    // of the last: all of them show the opposite of what it showed. Then the first alone.
    void ClickBoxesInASelection(const ListPage& page) {
        platform::Win32ListView list = List(page);
        platform::Win32DialogInput input(Page(page.caption));
        platform::ListViewInput& user = input.ListView(page.list);
        const std::vector<std::string>& names = page.rows;
        user.ClickItem(list.FindItemByText(names[0]));
        for (size_t i = 1; i < names.size(); ++i)
            user.ControlClickItem(list.FindItemByText(names[i]));
        bool last = list.GetCheck(list.FindItemByText(names.back()));
        user.ClickCheckBox(list.FindItemByText(names.back()));
        for (const std::string& name : names)
            EXPECT_EQ(!last, list.GetCheck(list.FindItemByText(name))) << name;
        user.ClickItem(list.FindItemByText(names[0]));
        user.ClickCheckBox(list.FindItemByText(names[0]));
        EXPECT_EQ(last, list.GetCheck(list.FindItemByText(names[0])));
    }

    // What OK is to store for every row shown: "caption/NAME" and 0, or 1 (2 for display
    // drivers) when its box is checked.
    States ShownStates() const {
        States states;
        for (const ListPage& page : ListPages()) {
            platform::Win32ListView list = List(page);
            for (int row = 0; row < list.GetItemCount(); ++row) {
                bool display = list.GetItemText(row, 2, 255) == "Installed display drivers";
                states[page.caption + ("/" + list.GetItemText(row, 0, 255))] =
                    list.GetCheck(row) ? (display ? 2 : 1) : 0;
            }
        }
        return states;
    }
    // The states the local store holds, read back onto the rows the sheet listed.
    States StatesReadBack() {
        for (DriverTable<256>* table : {&model_.drivers, &model_.displayDrivers, &model_.vxds})
            for (DriverEntry& row : *table)
                row.checkState = 0xFF;
        model_.userDrivers.Clear();
        model_.userVxds.Clear();
        StoredSettings();
        States states;
        auto note = [&states](const char* caption, const auto& table) {
            for (const DriverEntry& row : table)
                states[caption + ("/" + ListedDriverName(row.path))] = row.checkState;
        };
        note("Select Drivers", model_.drivers);
        note("Select Drivers", model_.displayDrivers);
        note("Select Drivers", model_.userDrivers);
        note("Select VxDs", model_.vxds);
        note("Select VxDs", model_.userVxds);
        return states;
    }

    HWND sheet_ = nullptr;
};

TEST_P(SheetOnScreen, EveryClickOnADriverBoxTurnsItOverAndOkStoresWhatIsShown) {
    States shown;
    ScreenScript script([&](HWND sheet) {
        sheet_ = sheet;
        for (const ListPage& page : ListPages()) {
            ShowPage(page.caption);
            User(page.caption).Button(page.add).Click();
            ClickEachBoxThrice(page);
            ClickBoxesInASelection(page);
        }
        shown = ShownStates();
        Press(sheet_, IDOK);
    });
    for (const ListPage& page : ListPages())
        script.AnswerFileDialog(TestDriver(page.rows.back()));
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(shown, StatesReadBack());
}

// Cancel first, which stores nothing; then the same choices, and OK.
TEST_P(SheetOnScreen, ButtonsCategoriesAndEventsChosenWithTheMouseAreStoredByOkNotByCancel) {
    for (int button : {IDCANCEL, IDOK}) {
        ScreenScript script([&](HWND sheet) {
            sheet_ = sheet;
            ShowPage("General Settings");
            User("General Settings").Button(IDC_START_DISABLED).Click();
            User("General Settings").Button(IDC_POPUP_ERRORS_AND_WARNINGS).Click();
            ShowPage(EventsCaption());
            platform::Win32DialogInput events(Page(EventsCaption()));
            events.CheckList(CategoryList()).ClickCheckBox(0); // hooks its one event
            events.CheckList(Win9x() ? IDC_VXD_API_LIST : IDC_EVENT_LIST).ClickCheckBox(0);
            events.CheckList(CategoryList()).ClickCheckBox(0);
            ShowPage("Memory Tracking");
            platform::Win32DialogInput memory(Page("Memory Tracking"));
            memory.Button(IDC_MEMORY_TRACKING).Click();
            memory.ComboBox(IDC_GUARD_BYTES).Choose(3); // tracking is off: not taken
            memory.Button(IDC_MEMORY_TRACKING).Click();
            memory.ComboBox(IDC_GUARD_BYTES).Choose(3);
            Press(sheet_, button);
        });
        EXPECT_EQ(button == IDOK ? 0 : KELVD_CANCELLED, ConfigureOnScreen(KELVD_RUN_LOCAL));
        EXPECT_TRUE(script.Done());
        EXPECT_EQ(button == IDOK, FileExists(HookStateFile()));
    }
    ScalarSettings stored = StoredSettings();
    EXPECT_EQ(3u, stored.start);
    EXPECT_EQ(2u, stored.drPopup);
    EXPECT_EQ(1u, stored.memTrackingOn);
    EXPECT_EQ(32u, stored.numGuardBytes);
    EXPECT_EQ(std::string(EventName()) + "=1\n", FileText(HookStateFile()));
}

INSTANTIATE_TEST_SUITE_P(Platforms, SheetOnScreen, ::testing::Values(Platform::Nt, Platform::Win9x),
                         PlatformName);

} // namespace
