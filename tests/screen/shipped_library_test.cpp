// The DLL a host receives, loaded by name as a host loads it: Save As and Load through the
// system's file dialogs, their buttons pressed with the mouse, then OK; what OK stored.
#include "include/kelvdcfg.h"
#include "platform/win32/controls/win32_list_view.h"
#include "platform/win32/controls/win32_user_input.h"
#include "res/resource.h"
#include "screen/screen_script.h"
#include "stores/registry_store.h"
#include "support/sheet_fixture.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using namespace kelvd::test;

using ShippedLibrary = SheetFixture;

// A driver added by file is saved with Save As, its box turned, and turned back by Load; OK
// stores it as saved.
TEST_P(ShippedLibrary, LoadGivesBackWhatSaveAsWroteAndOkStoresIt) {
    // Disabled at boot: OK calls no Forgeline applet, which none is installed here to answer.
    PutDword(kServiceKey, "Start", 4);
    HMODULE library = LoadLibraryA(KELVD_LIBRARY);
    ASSERT_NE(nullptr, library) << KELVD_LIBRARY;
    const auto configure = reinterpret_cast<decltype(&ConfigureKELVD)>(
        reinterpret_cast<void*>(GetProcAddress(library, "ConfigureKELVD")));
    const std::string name = "PLAIN.SYS", saved = dir_.File("chosen.kwt");
    bool checked = false, turned = false, loaded = false;
    ScreenScript script([&](HWND sheet) {
        platform::Win32SheetInput(sheet, IDC_PAGE_TREE).ChoosePage(1);
        HWND page = FindWindowExA(sheet, nullptr, "#32770", "Select Drivers");
        platform::Win32DialogInput pageInput(page);
        pageInput.Button(IDC_ADD_DRIVER).Click();
        platform::Win32ListView list(GetDlgItem(page, IDC_DRIVER_LIST));
        const int row = list.FindItemByText(name);
        ASSERT_LE(0, row);
        checked = list.GetCheck(row);
        platform::Win32DialogInput(sheet).Button(IDC_SAVE_CONFIG_AS).Click();
        pageInput.ListView(IDC_DRIVER_LIST).ClickCheckBox(row);
        turned = list.GetCheck(row) != checked;
        platform::Win32DialogInput(sheet).Button(IDC_LOAD_CONFIG).Click();
        loaded = list.GetCheck(row) == checked;
        platform::Win32DialogInput(sheet, platform::Delivery::Queued).Button(IDOK).Click();
    });
    script.answers = {TestDriver(name), saved, saved};
    ASSERT_NE(nullptr, configure);
    EXPECT_EQ(0, configure("kelvd.hlp", KELVD_RUN_LOCAL, nullptr));
    FreeLibrary(library);
    EXPECT_TRUE(script.done);
    EXPECT_TRUE(script.answers.empty()) << "every file dialog was answered";
    EXPECT_TRUE(FileExists("chosen.kwt"));
    EXPECT_TRUE(turned);
    EXPECT_TRUE(loaded);
    // The user's drivers as a state list: each row's path, its 0 byte and its state.
    const std::string states = ServiceValue("UserDriver").second;
    const size_t row = states.find(name + '\0');
    ASSERT_NE(std::string::npos, row) << states;
    EXPECT_EQ(checked, states[row + name.size() + 1] != 0);
}

INSTANTIATE_TEST_SUITE_P(Nt, ShippedLibrary, ::testing::Values(Platform::Nt), PlatformName);

} // namespace
