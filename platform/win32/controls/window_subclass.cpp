#include "platform/win32/controls/window_subclass.h"

namespace platform {

namespace {

constexpr const char* kReplacedProcedure = "KelvdReplacedProcedure";

WNDPROC ReplacedProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(GetPropA(window, kReplacedProcedure));
}

} // namespace

void SubclassWindow(HWND window, WNDPROC procedure) {
    if (ReplacedProcedure(window))
        return;
    auto replaced = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (!replaced || !SetPropA(window, kReplacedProcedure, reinterpret_cast<HANDLE>(replaced)))
        return;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

LRESULT CallReplacedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC replaced = ReplacedProcedure(window);
    if (!replaced)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replaced));
        RemovePropA(window, kReplacedProcedure);
    }
    return CallWindowProcA(replaced, window, message, wParam, lParam);
}

} // namespace platform
