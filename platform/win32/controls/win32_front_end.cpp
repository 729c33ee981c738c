#include "platform/win32/controls/win32_front_end.h"

#include "platform/message_box.h"
#include "platform/win32/controls/win32_sheet_window.h"

#include <commctrl.h>

// The start of the image this code is linked into, placed there by the linker: the library's DLL,
// or the program a test links this code into. A module's handle is the address it is loaded at.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace platform {

namespace {

// The module holding this code, whose resources hold the templates.
HMODULE OwnModule() {
    return reinterpret_cast<HMODULE>(&__ImageBase);
}

} // namespace

int Win32FrontEnd::RunModal(const std::string& title, const SheetLayout& layout, SheetHost& host) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    HMODULE module = OwnModule();
    Win32SheetWindow window(title, layout, host, module);
    INT_PTR result =
        DialogBoxParamA(module, MAKEINTRESOURCEA(layout.templateId), GetActiveWindow(),
                        Win32SheetWindow::Procedure, reinterpret_cast<LPARAM>(&window));
    // A sheet that cannot be shown (its template missing) gives the system's -1: nobody
    // cancelled it.
    return static_cast<int>(result);
}

SheetFrontEnd& nativeSheetFrontEnd() {
    static Win32FrontEnd instance;
    return instance;
}

} // namespace platform
