#include "platform/win32/controls/window_subclass.h"

#include <map>

namespace platform {

namespace {

// The replaced procedure of every subclassed window, until the window is destroyed (its handle
// may then be given to another window).
std::map<HWND, WNDPROC>& ReplacedProcedures() {
    static std::map<HWND, WNDPROC> procedures;
    return procedures;
}

} // namespace

void SubclassWindow(HWND window, WNDPROC procedure) {
    if (ReplacedProcedures().count(window))
        return;
    auto replaced = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (!replaced)
        return;
    ReplacedProcedures()[window] = replaced;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

LRESULT CallReplacedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto found = ReplacedProcedures().find(window);
    if (found == ReplacedProcedures().end())
        return DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC replaced = found->second;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replaced));
        ReplacedProcedures().erase(found);
    }
    return CallWindowProcA(replaced, window, message, wParam, lParam);
}

} // namespace platform
