// The resources of kelvdcfg.dll as a host loads them: every dialog template field by field, the
// templates created as real dialogs, the guard-byte choices, and the string table.
#include "dialog_template.h"
#include "res/resource.h"
#include "res/string_table.h"

#include "platform/win32/windows_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace kelvd::test {

namespace {

HMODULE Library() {
    static HMODULE library = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        return LoadLibraryA("kelvdcfg.dll");
    }();
    return library;
}

// The bytes of a resource of the library; empty when it is not there.
std::vector<uint8_t> Resource(LPCSTR type, int id) {
    HRSRC found = FindResourceA(Library(), MAKEINTRESOURCEA(id), type);
    if (!found)
        return {};
    const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(Library(), found)));
    return std::vector<uint8_t>(data, data + SizeofResource(Library(), found));
}

struct Item {
    int32_t id;
    const char* windowClass;
    uint32_t style;
    const char* text;
    int16_t x, y, cx, cy;
};

struct Dialog {
    int id;
    const char* caption;
    uint32_t style;
    int16_t cx, cy;
    std::vector<Item> items;
};

constexpr uint32_t kShown = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kPage = DS_SETFONT | DS_CONTROL | WS_CHILD;
constexpr uint32_t kPush = kShown | BS_PUSHBUTTON | WS_TABSTOP;
constexpr uint32_t kRadio = kShown | BS_AUTORADIOBUTTON | WS_TABSTOP;
constexpr uint32_t kFrame = kShown | BS_GROUPBOX;
constexpr uint32_t kLabel = kShown | SS_LEFT;
constexpr uint32_t kListView = kShown | LVS_REPORT | WS_BORDER | WS_TABSTOP;
constexpr uint32_t kCategoryList =
    kShown | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
constexpr uint32_t kEventList = kCategoryList | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT;
constexpr uint32_t kNumberEdit = kShown | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

// The driver and VxD pages: the list, its add button and the select-all buttons under it.
std::vector<Item> ListPage(int32_t list, int32_t add, const char* addText) {
    return {{list, "SysListView32", kListView, "", 0, 0, 254, 101},
            {add, "Button", kPush, addText, 0, 106, 50, 14},
            {IDC_SELECT_ALL, "Button", kPush, "&Select All", 56, 106, 50, 14},
            {IDC_DESELECT_ALL, "Button", kPush, "Dese&lect All", 113, 106, 50, 14}};
}

// The event and VxD API pages: the labelled category (group) list with the select-all buttons
// under it, and the labelled event (API) list.
std::vector<Item> CheckListPage(const char* categoryLabel, int16_t labelWidth, int32_t categories,
                                const char* eventLabel, int32_t events) {
    return {{IDC_CATEGORY_LABEL, "Static", kLabel, categoryLabel, 0, 0, labelWidth, 8},
            {categories, "ListBox", kCategoryList, "", 0, 10, 101, 91},
            {IDC_SELECT_ALL, "Button", kPush, "&Select All", 0, 104, 48, 14},
            {IDC_DESELECT_ALL, "Button", kPush, "&Deselect All", 54, 104, 48, 14},
            {IDC_EVENT_LABEL, "Static", kLabel, eventLabel, 107, 0, 23, 8},
            {events, "ListBox", kEventList, "", 107, 10, 148, 107}};
}

const Dialog kDialogs[] = {
    {IDD_SETTINGS_SHEET,
     "Kelvarin Settings",
     DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
     369,
     170,
     {
         {IDC_PAGE_TREE, "SysTreeView32",
          kShown | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP | TVS_FULLROWSELECT | WS_BORDER |
              WS_TABSTOP,
          "", 7, 5, 91, 100},
         {IDC_LOAD_CONFIG, "Button", kPush, "Load...", 7, 108, 91, 14},
         {IDC_SAVE_CONFIG_AS, "Button", kPush, "Save As...", 7, 126, 91, 14},
         {IDC_PAGE_CAPTION, "Static", kShown | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_SUNKEN, "",
          105, 5, 257, 11},
         {IDC_PAGE_PLACEHOLDER, "Static", WS_CHILD | SS_LEFT, "", 105, 18, 257, 122},
         {IDC_UNNAMED, "Static", kShown | SS_SUNKEN, "", 7, 144, 355, 1},
         {IDOK, "Button", kShown | BS_DEFPUSHBUTTON | WS_TABSTOP, "OK", 258, 149, 50, 14},
         {IDCANCEL, "Button", kPush, "Cancel", 312, 149, 50, 14},
     }},
    {IDD_GENERAL_SETTINGS,
     "General Settings",
     kPage,
     255,
     122,
     {
         {IDC_START_BOOT, "Button", kRadio | WS_GROUP, "&Boot", 15, 21, 31, 10},
         {IDC_START_DISABLED, "Button", kRadio, "&Disabled", 15, 36, 43, 10},
         {IDC_POPUP_NEVER, "Button", kRadio | WS_GROUP, "Do not pop up Drovik", 140, 21, 96, 10},
         {IDC_POPUP_ERRORS, "Button", kRadio | BS_MULTILINE, "Pop up Drovik for errors only", 140,
          36, 96, 15},
         {IDC_POPUP_ERRORS_AND_WARNINGS, "Button", kRadio | BS_MULTILINE,
          "Pop up Drovik for errors and warnings", 140, 58, 96, 16},
         {IDC_POPUP_FRAME, "Button", kFrame | WS_GROUP, "Kelvarin Errors", 130, 7, 112, 98},
         {IDC_START_FRAME, "Button", kFrame, "Startup", 7, 7, 112, 100},
     }},
    {IDD_SELECT_DRIVERS, "Select Drivers", kPage, 255, 122,
     ListPage(IDC_DRIVER_LIST, IDC_ADD_DRIVER, "A&dd Driver...")},
    {IDD_SELECT_EVENTS, "Select Driver APIs", kPage, 255, 122,
     CheckListPage("Category", 29, IDC_CATEGORY_LIST, "Events", IDC_EVENT_LIST)},
    {IDD_ADVANCED,
     "Advanced",
     kPage,
     255,
     122,
     {
         {IDC_STACK_THRESHOLD, "Edit", kNumberEdit, "", 84, 38, 56, 12},
         {IDC_EVENT_BUFFER_SIZE, "Edit", kNumberEdit, "", 84, 93, 56, 12},
         {IDC_UNNAMED, "Button", kFrame, "Stack Threshold", 5, 3, 243, 53},
         {IDC_UNNAMED, "Static", kLabel,
          "If the stack pointer is within stack threshold bytes of the stack limits, Kelvarin "
          "will log an error.",
          11, 17, 229, 20},
         {IDC_UNNAMED, "Button", kFrame, "Event Buffer Size", 5, 59, 244, 52},
         {IDC_UNNAMED, "Static", kLabel,
          "Specify the size of the event buffer that Kelvarin creates.", 11, 69, 230, 19},
     }},
    {IDD_MEMORY_TRACKING,
     "Memory Tracking",
     kPage,
     257,
     111,
     {
         {IDC_MEMORY_TRACKING, "Button", kShown | BS_AUTOCHECKBOX | WS_TABSTOP,
          "Enable memory tracking", 5, 6, 200, 10},
         {IDC_GUARD_BYTES, "ComboBox", kShown | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, "", 202,
          30, 48, 53},
         {IDC_UNNAMED, "Static", kLabel,
          "Add this number of guard bytes to the start and end of each allocated piece of "
          "memory.",
          5, 30, 190, 19},
     }},
    {IDD_SELECT_VXDS, "Select VxDs", kPage, 255, 122,
     ListPage(IDC_VXD_LIST, IDC_ADD_VXD, "A&dd VxD...")},
    {IDD_SELECT_VXD_APIS, "Select VxD APIs", kPage, 255, 122,
     CheckListPage("Group", 20, IDC_VXD_GROUP_LIST, "APIs", IDC_VXD_API_LIST)},
};

void PrintTo(const Dialog& dialog, std::ostream* out) {
    *out << "dialog " << dialog.id;
}

bool SameClass(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Dialogs made from the library's templates, owned by a hidden window and destroyed with it.
class DialogHost {
public:
    DialogHost()
        : owner_(CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                 nullptr, nullptr)) {}
    ~DialogHost() { DestroyWindow(owner_); }
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    HWND owner() const { return owner_; }
    HWND Create(int id, HWND parent) {
        const std::vector<uint8_t> bytes = Resource(MAKEINTRESOURCEA(5) /*RT_DIALOG*/, id);
        if (bytes.empty())
            return nullptr;
        return CreateDialogIndirectParamA(
            Library(), reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), parent, IgnoreMessages, 0);
    }

private:
    HWND owner_;
};

SIZE WindowSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

class DialogTemplates : public testing::TestWithParam<Dialog> {};

TEST_P(DialogTemplates, EveryFieldIsAsTheDialogNeedsIt) {
    const Dialog& expected = GetParam();
    const std::vector<uint8_t> bytes = Resource(RT_DIALOG, expected.id);
    ASSERT_FALSE(bytes.empty()) << "no template " << expected.id;
    DialogTemplate dialog;
    ASSERT_TRUE(DecodeDialogTemplate(bytes.data(), bytes.size(), &dialog));

    EXPECT_EQ(expected.caption, dialog.caption);
    EXPECT_EQ(expected.style, dialog.style);
    EXPECT_EQ(0u, dialog.exStyle);
    EXPECT_EQ(0, dialog.x);
    EXPECT_EQ(0, dialog.y);
    EXPECT_EQ(expected.cx, dialog.cx);
    EXPECT_EQ(expected.cy, dialog.cy);
    EXPECT_EQ("", dialog.menu);
    EXPECT_EQ("", dialog.windowClass);
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ("Tahoma", dialog.typeface);
    EXPECT_EQ(0, dialog.italic);

    ASSERT_EQ(expected.items.size(), dialog.items.size());
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        const Item& want = expected.items[i];
        const DialogItem& got = dialog.items[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (" + std::to_string(want.id) + ")");
        EXPECT_EQ(want.id, got.id);
        EXPECT_TRUE(SameClass(want.windowClass, got.windowClass)) << got.windowClass;
        EXPECT_EQ(want.style, got.style);
        EXPECT_EQ(0u, got.exStyle);
        EXPECT_EQ(want.text, got.text);
        EXPECT_EQ(want.x, got.x);
        EXPECT_EQ(want.y, got.y);
        EXPECT_EQ(want.cx, got.cx);
        EXPECT_EQ(want.cy, got.cy);
        EXPECT_EQ(0, got.extraSize);
    }
}

// Nothing is clipped: every control lies wholly inside its dialog.
TEST_P(DialogTemplates, ControlsLieInsideTheDialog) {
    const Dialog& dialog = GetParam();
    for (const Item& item : dialog.items) {
        SCOPED_TRACE(item.id);
        EXPECT_GE(item.x, 0);
        EXPECT_GE(item.y, 0);
        EXPECT_LE(item.x + item.cx, dialog.cx);
        EXPECT_LE(item.y + item.cy, dialog.cy);
    }
}

TEST_P(DialogTemplates, CreatesARealDialogWithEveryControl) {
    const Dialog& expected = GetParam();
    DialogHost host;
    HWND dialog = host.Create(expected.id, host.owner());
    ASSERT_NE(nullptr, dialog) << GetLastError();
    for (const Item& item : expected.items) {
        if (item.id == IDC_UNNAMED)
            continue;
        SCOPED_TRACE(item.id);
        HWND control = GetDlgItem(dialog, item.id);
        ASSERT_NE(nullptr, control);
        char windowClass[64] = "";
        GetClassNameA(control, windowClass, sizeof windowClass);
        EXPECT_TRUE(SameClass(item.windowClass, windowClass)) << windowClass;
    }
}

INSTANTIATE_TEST_SUITE_P(Library, DialogTemplates, testing::ValuesIn(kDialogs),
                         [](const testing::TestParamInfo<Dialog>& info) {
                             return std::to_string(info.param.id);
                         });

TEST(SettingsSheetTemplate, EveryPageFitsItsPlaceholder) {
    DialogHost host;
    HWND sheet = host.Create(IDD_SETTINGS_SHEET, host.owner());
    ASSERT_NE(nullptr, sheet);
    const SIZE room = WindowSize(GetDlgItem(sheet, IDC_PAGE_PLACEHOLDER));
    for (int page : {IDD_GENERAL_SETTINGS, IDD_SELECT_DRIVERS, IDD_SELECT_EVENTS, IDD_ADVANCED,
                     IDD_MEMORY_TRACKING, IDD_SELECT_VXDS, IDD_SELECT_VXD_APIS}) {
        SCOPED_TRACE(page);
        HWND window = host.Create(page, sheet);
        ASSERT_NE(nullptr, window);
        EXPECT_EQ(sheet, GetParent(window));
        const SIZE size = WindowSize(window);
        EXPECT_LE(size.cx, room.cx);
        EXPECT_LE(size.cy, room.cy);
    }
}

TEST(DialogInitData, GuardByteChoicesInListOrder) {
    const std::vector<uint8_t> bytes =
        Resource(MAKEINTRESOURCEA(KELVD_RT_DIALOG_INIT), IDD_MEMORY_TRACKING);
    std::vector<DialogInitRecord> records;
    ASSERT_TRUE(DecodeDialogInit(bytes.data(), bytes.size(), &records));
    const char* const choices[] = {"0", "8", "16", "32"};
    ASSERT_EQ(4u, records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(IDC_GUARD_BYTES, records[i].control);
        EXPECT_EQ(0x0403, records[i].message); // the data's own number for CB_ADDSTRING
        EXPECT_EQ(std::string(choices[i], strlen(choices[i]) + 1), records[i].data);
    }
}

std::string LoadTableString(UINT id) {
    char buffer[1024];
    const int length = LoadStringA(Library(), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

// Every id of the table's range: the resource holds exactly the library's text, and nothing
// where the library has none.
std::vector<UINT> TableIds() {
    std::vector<UINT> ids = {1023};
    for (UINT id = 1501; id <= 1525; ++id)
        ids.push_back(id);
    return ids;
}

class StringTable : public testing::TestWithParam<UINT> {};

TEST_P(StringTable, ResourceTextIsTheLibrarysOwn) {
    EXPECT_EQ(TableString(GetParam()), LoadTableString(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Library, StringTable, testing::ValuesIn(TableIds()),
                         testing::PrintToStringParamName());

TEST(StringTableTexts, SheetTitlesAsAHostSeesThem) {
    EXPECT_EQ("Kelvarin Settings", LoadTableString(kStrSheetTitle));
    EXPECT_EQ("Configure Kelvarin Settings for use with Farhand",
              LoadTableString(kStrFarhandSheetTitle));
}

} // namespace

} // namespace kelvd::test
