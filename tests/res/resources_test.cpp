// The dialogs of kelvdcfg.dll made real, with what the code relies on.
#include "res/resource.h"

#include "platform/win32/controls/dialog_init.h"
#include "platform/win32/windows_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HMODULE Library() {
    static HMODULE library = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        return LoadLibraryA("kelvdcfg.dll");
    }();
    return library;
}

// A control as the code expects it: (style & mask) == style decides its behaviour.
struct Control {
    int id;
    const char *windowClass, *text;
    uint32_t mask = 0, style = 0;
};

struct Dialog {
    int id;
    const char* caption;
    std::vector<Control> controls;
};

constexpr uint32_t kButtonKind = BS_TYPEMASK | WS_GROUP;
constexpr uint32_t kCheckList = LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
// Lists keep the order the pages add items in: none of them sorts.
constexpr uint32_t kListBoxKind = kCheckList | LBS_EXTENDEDSEL | LBS_SORT;
constexpr uint32_t kListViewKind = LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING;

Control Push(int id, const char* text) {
    return {id, "Button", text, BS_TYPEMASK, BS_PUSHBUTTON};
}
Control Radio(int id, const char* text, uint32_t group = 0) {
    return {id, "Button", text, kButtonKind, BS_AUTORADIOBUTTON | group};
}
Control Frame(int id, const char* text, uint32_t group = 0) {
    return {id, "Button", text, kButtonKind, BS_GROUPBOX | group};
}
Control Label(const char* text, int id = IDC_UNNAMED) {
    return {id, "Static", text};
}

std::vector<Control> ListPage(int list, int add, const char* addText) {
    return {{list, "SysListView32", "", kListViewKind, LVS_REPORT},
            Push(add, addText),
            Push(IDC_SELECT_ALL, "&Select All"),
            Push(IDC_DESELECT_ALL, "Dese&lect All")};
}

// The event and VxD API pages: a single- and an extended-selection check list.
std::vector<Control> CheckListPage(const char* categoryLabel, int categories,
                                   const char* eventLabel, int events) {
    return {Label(categoryLabel, IDC_CATEGORY_LABEL),
            {categories, "ListBox", "", kListBoxKind, kCheckList},
            Push(IDC_SELECT_ALL, "&Select All"),
            Push(IDC_DESELECT_ALL, "&Deselect All"),
            Label(eventLabel, IDC_EVENT_LABEL),
            {events, "ListBox", "", kListBoxKind, kCheckList | LBS_EXTENDEDSEL}};
}

const Dialog kDialogs[] = {
    {IDD_SETTINGS_SHEET,
     "Kelvarin Settings",
     {{IDC_PAGE_TREE, "SysTreeView32", ""},
      Push(IDC_LOAD_CONFIG, "Load..."),
      Push(IDC_SAVE_CONFIG_AS, "Save As..."),
      Label("", IDC_PAGE_CAPTION),
      {IDC_PAGE_PLACEHOLDER, "Static", "", WS_VISIBLE, 0}, // marks where pages go; never shown
      Label(""),
      {IDOK, "Button", "OK", BS_TYPEMASK, BS_DEFPUSHBUTTON},
      Push(IDCANCEL, "Cancel")}},
    {IDD_GENERAL_SETTINGS,
     "General Settings",
     {Radio(IDC_START_BOOT, "&Boot", WS_GROUP), Radio(IDC_START_DISABLED, "&Disabled"),
      Radio(IDC_POPUP_NEVER, "Do not pop up Drovik", WS_GROUP),
      Radio(IDC_POPUP_ERRORS, "Pop up Drovik for errors only"),
      Radio(IDC_POPUP_ERRORS_AND_WARNINGS, "Pop up Drovik for errors and warnings"),
      // The frame starts a group of its own, which ends the pop-up radio group.
      Frame(IDC_POPUP_FRAME, "Kelvarin Errors", WS_GROUP), Frame(IDC_START_FRAME, "Startup")}},
    {IDD_SELECT_DRIVERS, "Select Drivers",
     ListPage(IDC_DRIVER_LIST, IDC_ADD_DRIVER, "A&dd Driver...")},
    {IDD_SELECT_EVENTS, "Select Driver APIs",
     CheckListPage("Category", IDC_CATEGORY_LIST, "Events", IDC_EVENT_LIST)},
    {IDD_ADVANCED,
     "Advanced",
     {{IDC_STACK_THRESHOLD, "Edit", ""},
      {IDC_EVENT_BUFFER_SIZE, "Edit", ""},
      Frame(IDC_UNNAMED, "Stack Threshold"),
      Label("If the stack pointer is within stack threshold bytes of the stack limits, Kelvarin "
            "will log an error."),
      Frame(IDC_UNNAMED, "Event Buffer Size"),
      Label("Specify the size of the event buffer that Kelvarin creates.")}},
    {IDD_MEMORY_TRACKING,
     "Memory Tracking",
     {{IDC_MEMORY_TRACKING, "Button", "Enable memory tracking", BS_TYPEMASK, BS_AUTOCHECKBOX},
      {IDC_GUARD_BYTES, "ComboBox", "", CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWNLIST},
      Label("Add this number of guard bytes to the start and end of each allocated piece of "
            "memory.")}},
    {IDD_SELECT_VXDS, "Select VxDs", ListPage(IDC_VXD_LIST, IDC_ADD_VXD, "A&dd VxD...")},
    {IDD_SELECT_VXD_APIS, "Select VxD APIs",
     CheckListPage("Group", IDC_VXD_GROUP_LIST, "APIs", IDC_VXD_API_LIST)},
};

std::string WindowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A dialog of the library's template, without a procedure, owned by a hidden window.
HWND MakeDialog(int id) {
    static HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                        nullptr, nullptr);
    return CreateDialogParamA(Library(), MAKEINTRESOURCEA(id), owner, nullptr, 0);
}

struct DialogTemplates : testing::TestWithParam<Dialog> {};

// The sheet is a window with a close box; a page, a child without a title bar that fits its room.
TEST_P(DialogTemplates, ControlsInOrderWithTheirClassStylesAndTextsAndPagesFitTheSheet) {
    const Dialog& expected = GetParam();
    HWND dialog = MakeDialog(expected.id);
    ASSERT_NE(nullptr, dialog) << GetLastError();
    EXPECT_EQ(expected.caption, WindowText(dialog));
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    if (expected.id == IDD_SETTINGS_SHEET) {
        EXPECT_EQ(WS_POPUP | WS_CAPTION | WS_SYSMENU, style & (WS_POPUP | WS_CAPTION | WS_SYSMENU));
    } else {
        EXPECT_EQ(WS_CHILD, style & (WS_CHILD | WS_CAPTION));
        RECT page{}, room{};
        GetWindowRect(dialog, &page);
        GetWindowRect(GetDlgItem(MakeDialog(IDD_SETTINGS_SHEET), IDC_PAGE_PLACEHOLDER), &room);
        EXPECT_LE(page.right - page.left, room.right - room.left);
        EXPECT_LE(page.bottom - page.top, room.bottom - room.top);
    }
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const Control& want : expected.controls) {
        SCOPED_TRACE(std::to_string(want.id) + " " + want.text);
        ASSERT_NE(nullptr, control);
        char windowClass[64] = "";
        GetClassNameA(control, windowClass, sizeof windowClass);
        EXPECT_EQ(0, lstrcmpiA(want.windowClass, windowClass)) << windowClass;
        EXPECT_EQ(want.id & 0xFFFF, GetDlgCtrlID(control) & 0xFFFF);
        EXPECT_EQ(want.style,
                  static_cast<uint32_t>(GetWindowLongA(control, GWL_STYLE)) & want.mask);
        EXPECT_EQ(want.text, WindowText(control));
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(nullptr, control) << "a control more than expected";
}

INSTANTIATE_TEST_SUITE_P(Library, DialogTemplates, testing::ValuesIn(kDialogs),
                         [](const testing::TestParamInfo<Dialog>& info) {
                             return std::to_string(info.param.id);
                         });

TEST(DialogInitData, GuardByteChoicesInListOrder) {
    HWND page = MakeDialog(IDD_MEMORY_TRACKING);
    ASSERT_NE(nullptr, page);
    platform::AddDialogInitItems(Library(), IDD_MEMORY_TRACKING, page);
    std::vector<std::string> items;
    for (LRESULT i = 0; i < SendDlgItemMessageA(page, IDC_GUARD_BYTES, CB_GETCOUNT, 0, 0); ++i) {
        char text[16] = "";
        SendDlgItemMessageA(page, IDC_GUARD_BYTES, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    EXPECT_EQ((std::vector<std::string>{"0", "8", "16", "32"}), items);
}

} // namespace
