// The sheet from ConfigureKELVD used with the real mouse and keyboard, then what OK stored.
#include "include/kelvdcfg.h"
#include "pages/driver_list_page.h"
#include "platform/win32/controls/win32_list_view.h"
#include "platform/win32/controls/win32_user_input.h"
#include "res/resource.h"
#include "screen/screen_script.h"
#include "support/sheet_fixture.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace kelvd;
using namespace kelvd::test;

constexpr const char* kPrinters =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86\\Drivers\\Version-3";
using States = std::map<std::string, uint32_t>;

struct SheetOnScreen : SheetFixture {
    SheetOnScreen() { AlsoClean(kPrinters); }
    void SetUp() override {
        SheetFixture::SetUp();
        PutString((std::string(kPrinters) + "\\Kelvarin Test Printer").c_str(), "Driver",
                  "PRINTER.DLL");
    }

    HWND Page(const std::string& caption) const {
        return FindWindowExA(sheet_, nullptr, "#32770", caption.c_str());
    }
    // A click on the page in the tree; the sheet shows it, with its caption above it.
    void ShowPage(size_t index, const std::string& caption) {
        platform::Win32SheetInput(sheet_, IDC_PAGE_TREE).ChoosePage(index);
        EXPECT_TRUE(IsWindowVisible(Page(caption))) << caption;
        char shown[64] = "";
        GetDlgItemTextA(sheet_, IDC_PAGE_CAPTION, shown, sizeof shown);
        EXPECT_EQ(caption, shown);
    }

    // A driver list page: its place in the tree, caption, list, add button, and the rows whose
    // boxes are clicked, the last one added by the user.
    struct ListPage {
        size_t index;
        const char* caption;
        int list, add;
        std::vector<std::string> rows;
    };
    std::vector<ListPage> ListPages() const {
        std::vector<std::string> rows = {DriverName(), "PLAIN.SYS"};
        if (!Win9x()) {
            rows.insert(rows.begin() + 1, "PRINTER.DLL");
            return {{1, "Select Drivers", IDC_DRIVER_LIST, IDC_ADD_DRIVER, rows}};
        }
        return {{1, "Select Drivers", IDC_DRIVER_LIST, IDC_ADD_DRIVER, rows},
                {3, "Select VxDs", IDC_VXD_LIST, IDC_ADD_VXD, {"VCOMM   ", "PRODUCT.SYS"}}};
    }
    platform::Win32ListView List(const ListPage& page) const {
        return platform::Win32ListView(GetDlgItem(Page(page.caption), page.list));
    }

    // Clicks the box of each row: it turns over.
    void ClickBoxes(const ListPage& page) {
        platform::Win32ListView list = List(page);
        platform::Win32DialogInput input(Page(page.caption));
        for (const std::string& name : page.rows) {
            const int row = list.FindItemByText(name);
            ASSERT_LE(0, row) << name;
            const bool before = list.GetCheck(row);
            input.ListView(page.list).ClickCheckBox(row);
            EXPECT_NE(before, list.GetCheck(row)) << name;
        }
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
    ScreenScript script([&](HWND sheet) {
        sheet_ = sheet;
        title.resize(GetWindowTextA(sheet, &title[0], static_cast<int>(title.size())));
        for (const ListPage& page : ListPages()) {
            ShowPage(page.index, page.caption);
            platform::Win32DialogInput(Page(page.caption)).Button(page.add).Click();
            ClickBoxes(page);
        }
        const char* events = Win9x() ? "Select VxD APIs" : "Select Driver APIs";
        ShowPage(Win9x() ? 4 : 2, events);
        platform::Win32DialogInput(Page(events)).CheckList(CategoryList()).ClickCheckBox(0);
        shown = ShownStates();
        platform::Win32DialogInput(sheet_, platform::Delivery::Queued).Button(IDOK).Click();
    });
    for (const ListPage& page : ListPages())
        script.answers.push_back(TestDriver(page.rows.back()));
    EXPECT_EQ(0, ConfigureKELVD("kelvd.hlp", KELVD_RUN_LOCAL, nullptr));
    EXPECT_TRUE(script.done);
    EXPECT_EQ("Kelvarin Settings", title);
    EXPECT_EQ(shown, StatesReadBack());
    EXPECT_EQ(std::string(EventName()) + "=1\n", FileText(HookStateFile()));
}

INSTANTIATE_TEST_SUITE_P(Platforms, SheetOnScreen, ::testing::Values(Platform::Nt, Platform::Win9x),
                         PlatformName);

} // namespace
