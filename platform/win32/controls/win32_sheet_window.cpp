#include "platform/win32/controls/win32_sheet_window.h"

#include "platform/win32/controls/dialog_init.h"

#include <commctrl.h>

namespace platform {

INT_PTR CALLBACK Win32SheetWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* sheet = reinterpret_cast<Win32SheetWindow*>(lParam);
        sheet->Attach(window);
        SetWindowTextA(window, sheet->title_.c_str());
        return sheet->host_.OnInitSheet(*sheet) ? TRUE : FALSE;
    }
    auto* sheet = reinterpret_cast<Win32SheetWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    return sheet ? sheet->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR Win32SheetWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP) {
        host_.OnHelp();
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (static_cast<int>(header.idFrom) == layout_.treeId) {
            if (header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW)
                TreeSelectionChanged(*reinterpret_cast<const NMTREEVIEWA*>(lParam));
            return FALSE;
        }
    }
    INT_PTR result = FALSE;
    return Route(message, wParam, lParam, &result) ? result : FALSE;
}

void Win32SheetWindow::TreeSelectionChanged(const NMTREEVIEWA& change) {
    if (selecting_)
        return;
    auto index = static_cast<size_t>(change.itemNew.lParam);
    if (index < pages_.size())
        host_.OnSelectPage(index);
    // A page the host did not show leaves the tree on the page that is shown.
    if (shown_ != index)
        SelectTreeItem(shown_);
}

DialogWindow& Win32SheetWindow::CreatePage(uint32_t templateId, ControlEvents& events) {
    auto window = std::make_unique<Win32PageWindow>(events);
    HWND page =
        CreateDialogParamA(module_, MAKEINTRESOURCEA(templateId), Window(),
                           Win32PageWindow::Procedure, reinterpret_cast<LPARAM>(window.get()));
    AddDialogInitItems(module_, templateId, page);
    PlaceAtPlaceholder(page);
    char caption[256] = "";
    GetWindowTextA(page, caption, sizeof caption);
    pages_.push_back({std::move(window), caption, AddTreeItem(caption, pages_.size())});
    return *pages_.back().window;
}

HTREEITEM Win32SheetWindow::AddTreeItem(const std::string& caption, size_t index) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(caption.c_str());
    insert.item.lParam = static_cast<LPARAM>(index);
    selecting_ = true; // the first item inserted may become the selection by itself
    auto item = reinterpret_cast<HTREEITEM>(SendDlgItemMessageA(
        Window(), layout_.treeId, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    selecting_ = false;
    return item;
}

void Win32SheetWindow::PlaceAtPlaceholder(HWND page) const {
    RECT place{};
    GetWindowRect(GetDlgItem(Window(), layout_.placeholderId), &place);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(page, HWND_TOP, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_HIDEWINDOW);
}

void Win32SheetWindow::ShowPage(size_t index) {
    if (index >= pages_.size())
        return;
    shown_ = index;
    for (size_t page = 0; page < pages_.size(); ++page)
        ShowWindow(pages_[page].window->Window(), page == index ? SW_SHOW : SW_HIDE);
    SetDlgItemTextA(Window(), layout_.captionId, pages_[index].caption.c_str());
    SelectTreeItem(index);
}

void Win32SheetWindow::SelectTreeItem(size_t index) {
    selecting_ = true;
    SendDlgItemMessageA(Window(), layout_.treeId, TVM_SELECTITEM, TVGN_CARET,
                        reinterpret_cast<LPARAM>(pages_[index].item));
    selecting_ = false;
}

} // namespace platform
