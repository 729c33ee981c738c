#include "screen/screen_windows.h"

#include "host/win32/page_tree.h"
#include "res/resource.h"

#include <commctrl.h>

namespace kelvd::test {

namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr int kFileNameCombo = 0x47C; // cmb13
constexpr int kFileNameEdit = 0x480;  // edt1

bool IsDialog(HWND window) {
    char kind[16] = "";
    GetClassNameA(window, kind, sizeof kind);
    return lstrcmpA(kind, "#32770") == 0;
}

BOOL CALLBACK NoteDialog(HWND window, LPARAM dialogs) {
    if (IsDialog(window) && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(dialogs)->push_back(window);
    return TRUE;
}

HWND DialogWith(int controlId) {
    for (HWND dialog : ThreadDialogs())
        if (GetDlgItem(dialog, controlId))
            return dialog;
    return nullptr;
}

HWND FileNameField(HWND fileDialog) {
    HWND combo = GetDlgItem(fileDialog, kFileNameCombo);
    return combo ? combo : GetDlgItem(fileDialog, kFileNameEdit);
}

HTREEITEM TreeItem(HWND sheet, size_t index) {
    HTREEITEM item = kwhost::NextPage(sheet, nullptr);
    for (; item && index > 0; --index)
        item = kwhost::NextPage(sheet, item);
    return item;
}

} // namespace

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), NoteDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

HWND FindSheet() {
    return DialogWith(IDC_PAGE_TREE);
}

HWND FindMessageBox() {
    return DialogWith(kMessageTextId);
}

HWND FindFileDialog() {
    for (HWND dialog : ThreadDialogs())
        if (FileNameField(dialog))
            return dialog;
    return nullptr;
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ControlText(HWND dialog, int controlId) {
    return WindowText(GetDlgItem(dialog, controlId));
}

HWND FindPage(HWND sheet, const std::string& caption) {
    return FindWindowExA(sheet, nullptr, "#32770", caption.c_str());
}

std::vector<std::string> TreeCaptions(HWND sheet) {
    std::vector<std::string> captions;
    for (HTREEITEM page = kwhost::NextPage(sheet, nullptr); page;
         page = kwhost::NextPage(sheet, page))
        captions.push_back(kwhost::PageCaption(sheet, page));
    return captions;
}

void ChooseTreeItem(HWND sheet, size_t index) {
    SendDlgItemMessageA(sheet, IDC_PAGE_TREE, TVM_SELECTITEM, TVGN_CARET,
                        reinterpret_cast<LPARAM>(TreeItem(sheet, index)));
}

void PressButton(HWND dialog, int controlId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

void ClickButton(HWND dialog, int controlId) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

void TypeText(HWND dialog, int controlId, const std::string& text) {
    SetDlgItemTextA(dialog, controlId, text.c_str());
}

void AnswerFileDialog(HWND fileDialog, const std::string& path) {
    SetWindowTextA(FileNameField(fileDialog), path.c_str());
    PressButton(fileDialog, IDOK);
}

void SpaceOnListRows(HWND listView, const std::vector<int>& rows) {
    LVITEMA clear{};
    clear.stateMask = LVIS_SELECTED;
    SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&clear));
    for (int row : rows) {
        LVITEMA select{};
        select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        select.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&select));
    }
    SendMessageA(listView, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(listView, WM_KEYUP, VK_SPACE, 0);
}

bool ListRowChecked(HWND listView, int row) {
    auto state = static_cast<UINT>(
        SendMessageA(listView, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

int FindListRow(HWND listView, const std::string& text) {
    LVFINDINFOA find{};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    return static_cast<int>(SendMessageA(listView, LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(&find)));
}

void ClickCheckListBox(HWND list, int item) {
    RECT rect{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
    LPARAM point = MAKELPARAM(rect.left + 2, rect.top + 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(list, WM_LBUTTONUP, 0, point);
}

int CheckListBox(HWND list, int item) {
    return static_cast<int>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0));
}

} // namespace kelvd::test
