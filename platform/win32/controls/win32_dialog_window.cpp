#include "platform/win32/controls/win32_dialog_window.h"

#include "platform/win32/controls/file_dialog.h"

#include <commctrl.h>

#include <cstring>

namespace platform {

static_assert(kBnClicked == BN_CLICKED && kCbnSelChange == CBN_SELCHANGE &&
              kLbnSelChange == LBN_SELCHANGE);
static_assert(kUnchecked == BST_UNCHECKED && kChecked == BST_CHECKED && kNoSelection == LB_ERR &&
              kNoSelection == CB_ERR);

namespace {

BOOL CALLBACK PrepareControl(HWND control, LPARAM) {
    char kind[32] = "";
    GetClassNameA(control, kind, sizeof kind);
    LONG style = GetWindowLongA(control, GWL_STYLE);
    if (lstrcmpiA(kind, "ListBox") == 0 && (style & LBS_OWNERDRAWFIXED))
        Win32CheckList::InstallBoxes(control);
    return TRUE;
}

} // namespace

template <typename Base> void Win32Window<Base>::Attach(HWND window) {
    window_ = window;
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    EnumChildWindows(window, PrepareControl, 0);
}

template <typename Base>
bool Win32Window<Base>::ChooseFile(const FileDialogRequest& request, std::string* path) {
    return ShowFileDialog(window_, request, path);
}

template <typename Base> intptr_t Win32Window<Base>::Notify(const NMHDR& header, LPARAM lParam) {
    if (header.code == LVN_ITEMCHANGING)
        return Find(listViews_, static_cast<int>(header.idFrom))
            .RefusesChange(*reinterpret_cast<const NMLISTVIEW*>(lParam));
    ControlNotification notification{static_cast<int>(header.idFrom),
                                     static_cast<int>(header.code)};
    if (notification.code == kLvnColumnClick)
        notification.column = reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem;
    else if (notification.code == kLvnKeyDown)
        notification.key = reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey;
    return events_.OnNotify(notification);
}

template <typename Base>
bool Win32Window<Base>::Route(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    switch (message) {
    case WM_COMMAND:
        *result = events_.OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        return true;
    case WM_NOTIFY: {
        // Setting the result is a trip to the window server on some systems, and a list that
        // is filled reports every row: the result is set only when it is not already there.
        const LONG_PTR notified = Notify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        if (GetWindowLongPtrA(window_, DWLP_MSGRESULT) != notified)
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, notified);
        *result = TRUE;
        return true;
    }
    case WM_MEASUREITEM:
        Win32CheckList::Measure(window_, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    case WM_DRAWITEM:
        Win32CheckList::Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK Win32PageWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        reinterpret_cast<Win32PageWindow*>(lParam)->Attach(window);
        return FALSE;
    }
    auto* page = reinterpret_cast<Win32PageWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    INT_PTR result = FALSE;
    return page && page->Route(message, wParam, lParam, &result) ? result : FALSE;
}

template class Win32Window<DialogWindow>;
template class Win32Window<SheetWindow>;

} // namespace platform
