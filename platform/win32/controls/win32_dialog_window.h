// A dialog window on the screen (the sheet or one of its pages) as its code sees it: wrappers of
// its template's controls, made the first time they are asked for, and the routing of what its
// controls report (WM_COMMAND, WM_NOTIFY) to its ControlEvents. It draws its check lists' items
// and answers its list views' LVN_ITEMCHANGING for them (see Win32ListView).
// Base is DialogWindow for a page and SheetWindow for the sheet.
#pragma once

#include "platform/controls/sheet_front_end.h"
#include "platform/win32/controls/win32_button.h"
#include "platform/win32/controls/win32_check_list.h"
#include "platform/win32/controls/win32_combo_box.h"
#include "platform/win32/controls/win32_cursor.h"
#include "platform/win32/controls/win32_edit.h"
#include "platform/win32/controls/win32_list_view.h"

#include <map>
#include <memory>

namespace platform {

template <typename Base> class Win32Window : public Base {
public:
    explicit Win32Window(ControlEvents& events) : events_(events) {}

    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
    HWND Window() const { return window_; }

    ButtonControl& Button(int controlId) override { return Find(buttons_, controlId); }
    EditControl& Edit(int controlId) override { return Find(edits_, controlId); }
    ComboBoxControl& ComboBox(int controlId) override { return Find(comboBoxes_, controlId); }
    ListViewControl& ListView(int controlId) override { return Find(listViews_, controlId); }
    CheckListControl& CheckList(int controlId) override { return Find(checkLists_, controlId); }
    CursorControl& Cursor() override { return cursor_; }
    bool ChooseFile(const FileDialogRequest& request, std::string* path) override;

protected:
    // WM_INITDIALOG: the window is known from now on, and its controls behave as the pages
    // expect of them.
    void Attach(HWND window);
    // The messages every dialog of the library handles; true, with the dialog procedure's
    // result, when message was one of them.
    bool Route(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result);

private:
    template <typename Control>
    Control& Find(std::map<int, std::unique_ptr<Control>>& controls, int controlId) {
        std::unique_ptr<Control>& control = controls[controlId];
        if (!control)
            control = std::make_unique<Control>(GetDlgItem(window_, controlId));
        return *control;
    }
    intptr_t Notify(const NMHDR& header, LPARAM lParam);

    ControlEvents& events_;
    HWND window_ = nullptr;
    Win32Cursor cursor_;
    std::map<int, std::unique_ptr<Win32Button>> buttons_;
    std::map<int, std::unique_ptr<Win32Edit>> edits_;
    std::map<int, std::unique_ptr<Win32ComboBox>> comboBoxes_;
    std::map<int, std::unique_ptr<Win32ListView>> listViews_;
    std::map<int, std::unique_ptr<Win32CheckList>> checkLists_;
};

// A page's window: a child dialog of the sheet.
class Win32PageWindow final : public Win32Window<DialogWindow> {
public:
    using Win32Window::Win32Window;
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace platform
