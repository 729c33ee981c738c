// The settings sheet on the screen, opened through ConfigureKELVD and used with the real mouse
// and keyboard where only the real windows can show it: the title and the pages as the tree
// shows them, the boxes of the driver lists (a listed row, on NT a display driver, and a row added
// through the system's file dialog, alone and within a selection), a category box, and OK; then
// what was stored.
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
using Captions = std::vector<std::string>;

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
    // A click on the page in the tree; the sheet shows it, with its caption above it.
    void ShowPage(size_t index, const std::string& caption) {
        platform::Win32SheetInput(sheet_, IDC_PAGE_TREE).ChoosePage(index);
        EXPECT_TRUE(IsWindowVisible(Page(caption))) << caption;
        EXPECT_EQ(caption, ControlText(sheet_, IDC_PAGE_CAPTION));
    }
    Captions ExpectedCaptions() const {
        if (!Win9x())
            return {"General Settings", "Select Drivers", "Select Driver APIs", "Memory Tracking",
                    "Advanced"};
        return {"General Settings", "Select Drivers",  "Select Driver APIs",
                "Select VxDs",      "Select VxD APIs", "Memory Tracking",
                "Advanced"};
    }

    // A driver list page of the platform, with the rows whose boxes are clicked, the last one
    // the row the user adds from that file.
    struct ListPage {
        size_t index;
        const char* caption;
        int list, add;
        std::vector<std::string> rows;
    };
    std::vector<ListPage> ListPages() const {
        if (!Win9x())
            return {{1,
                     "Select Drivers",
                     IDC_DRIVER_LIST,
                     IDC_ADD_DRIVER,
                     {"DESCRIBED.SYS", "PRINTER.DLL", "PLAIN.SYS"}}};
        return {{1, "Select Drivers", IDC_DRIVER_LIST, IDC_ADD_DRIVER, {"NDIS", "PLAIN.SYS"}},
                {3, "Select VxDs", IDC_VXD_LIST, IDC_ADD_VXD, {"VCOMM   ", "PRODUCT.SYS"}}};
    }
    platform::Win32ListView List(const ListPage& page) const {
        return platform::Win32ListView(GetDlgItem(Page(page.caption), page.list));
    }

    // Clicks the box of each row alone: it turns over once. Then selects the rows (the first by a
    // click, the others by control-clicks) and clicks the box of the last: all of them show the
    // opposite of what it showed; the space bar turns them over again.
    void ClickBoxes(const ListPage& page) {
        platform::Win32ListView list = List(page);
        platform::Win32DialogInput input(Page(page.caption));
        platform::ListViewInput& user = input.ListView(page.list);
        auto row = [&list](const std::string& name) { return list.FindItemByText(name); };
        for (const std::string& name : page.rows) {
            ASSERT_LE(0, row(name)) << name;
            bool before = list.GetCheck(row(name));
            user.ClickCheckBox(row(name));
            EXPECT_NE(before, list.GetCheck(row(name))) << name;
        }
        user.ClickItem(row(page.rows[0]));
        for (size_t i = 1; i < page.rows.size(); ++i)
            user.ControlClickItem(row(page.rows[i]));
        bool last = list.GetCheck(row(page.rows.back()));
        user.ClickCheckBox(row(page.rows.back()));
        for (const std::string& name : page.rows)
            EXPECT_EQ(!last, list.GetCheck(row(name))) << name;
        user.PressSpace();
        for (const std::string& name : page.rows)
            EXPECT_EQ(last, list.GetCheck(row(name))) << name;
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

TEST_P(SheetOnScreen, PagesAsShownAndBoxesClickedWithTheMouseAndKeysAreStoredByOk) {
    States shown;
    std::string title(64, '\0');
    Captions captions;
    ScreenScript script([&](HWND sheet) {
        sheet_ = sheet;
        title.resize(GetWindowTextA(sheet, &title[0], static_cast<int>(title.size())));
        captions = TreeCaptions(sheet);
        const Captions expected = ExpectedCaptions();
        for (size_t index = expected.size(); index-- > 0;)
            ShowPage(index, expected[index]);
        for (const ListPage& page : ListPages()) {
            ShowPage(page.index, page.caption);
            platform::Win32DialogInput(Page(page.caption)).Button(page.add).Click();
            ClickBoxes(page);
        }
        const size_t eventsPage = Win9x() ? 4 : 2;
        ShowPage(eventsPage, expected[eventsPage]);
        platform::Win32DialogInput events(Page(expected[eventsPage]));
        events.CheckList(CategoryList()).ClickCheckBox(0); // hooks its one event
        shown = ShownStates();
        platform::Win32DialogInput(sheet_, platform::Delivery::Queued).Button(IDOK).Click();
    });
    for (const ListPage& page : ListPages())
        script.AnswerFileDialog(TestDriver(page.rows.back()));
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ("Kelvarin Settings", title);
    EXPECT_EQ(ExpectedCaptions(), captions);
    EXPECT_EQ(shown, StatesReadBack());
    EXPECT_EQ(std::string(EventName()) + "=1\n", FileText(HookStateFile()));
}

INSTANTIATE_TEST_SUITE_P(Platforms, SheetOnScreen, ::testing::Values(Platform::Nt, Platform::Win9x),
                         PlatformName);

} // namespace
