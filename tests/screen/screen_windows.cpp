#include "screen/screen_windows.h"

#include "host/win32/page_tree.h"
#include "res/resource.h"

namespace kelvd::test {

namespace {

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

} // namespace

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), NoteDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

HWND FindSheet() {
    return DialogWith(IDC_PAGE_TREE);
}

HWND FindFileDialog() {
    for (HWND dialog : ThreadDialogs())
        if (FileNameField(dialog))
            return dialog;
    return nullptr;
}

std::string ControlText(HWND dialog, int controlId) {
    char text[1024] = "";
    GetDlgItemTextA(dialog, controlId, text, sizeof text);
    return text;
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

void AnswerFileDialog(HWND fileDialog, const std::string& path) {
    SetWindowTextA(FileNameField(fileDialog), path.c_str());
    PostMessageA(fileDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(fileDialog, IDOK)));
}

} // namespace kelvd::test
