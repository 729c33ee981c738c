#include "host/win32/thread_windows.h"

#include "res/resource.h"

#include <cctype>

namespace kwhost {

namespace {

constexpr int kMessageTextId = 0xFFFF; // the text of a standard message box

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

struct ListSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindShownList(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ListSearch*>(data);
    if (GetDlgCtrlID(child) != search->id || !IsWindowVisible(child))
        return TRUE;
    search->found = child;
    return FALSE;
}

} // namespace

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsSheet(HWND window, const std::string& title) {
    return IsWindowVisible(window) && GetDlgItem(window, IDC_PAGE_TREE) && TextOf(window) == title;
}

std::string MessageText(HWND box) {
    return TextOf(GetDlgItem(box, kMessageTextId));
}

bool IsMessageBox(HWND window) {
    return IsWindowVisible(window) && ClassOf(window) == "#32770" &&
           GetDlgItem(window, kMessageTextId) && !GetDlgItem(window, IDC_PAGE_TREE);
}

std::string FileNamePart(const std::string& caption) {
    std::string name;
    for (unsigned char c : caption) {
        if (std::isalnum(c))
            name += static_cast<char>(std::tolower(c));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name.empty() ? "window" : name;
}

HWND ShownList(HWND sheet, int controlId) {
    ListSearch search{controlId, nullptr};
    EnumChildWindows(sheet, FindShownList, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace kwhost
