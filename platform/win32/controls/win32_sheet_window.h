// The sheet's window on the screen: a modal dialog whose tree lists its pages by their captions
// in the order they were made, and which shows the chosen page at the placeholder with its
// caption above it. Its own buttons, F1 and the tree report to the sheet's host; Escape and the
// close box come as IDCANCEL, as a click on Cancel does.
#pragma once

#include "platform/win32/controls/win32_dialog_window.h"

#include <string>
#include <vector>

namespace platform {

class Win32SheetWindow final : public Win32Window<SheetWindow> {
public:
    Win32SheetWindow(std::string title, const SheetLayout& layout, SheetHost& host, HMODULE module)
        : Win32Window(host), title_(std::move(title)), layout_(layout), host_(host),
          module_(module) {}

    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DialogWindow& CreatePage(uint32_t templateId, ControlEvents& events) override;
    void ShowPage(size_t index) override;
    void End(int result) override { EndDialog(Window(), result); }

private:
    struct Page {
        std::unique_ptr<Win32PageWindow> window;
        std::string caption;
        HTREEITEM item;
    };

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void TreeSelectionChanged(const NMTREEVIEWA& change);
    void SelectTreeItem(size_t index);
    HTREEITEM AddTreeItem(const std::string& caption, size_t index);
    void PlaceAtPlaceholder(HWND page) const;

    std::string title_;
    SheetLayout layout_;
    SheetHost& host_;
    HMODULE module_;
    std::vector<Page> pages_;
    size_t shown_ = 0;
    bool selecting_ = false; // the tree's selection is being set by the sheet, not the user
};

} // namespace platform
