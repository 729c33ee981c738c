#include "platform/win32/controls/window_subclass.h"

namespace platform {

void WindowSubclass::Install(HWND window) {
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (!window || current == procedure_)
        return;
    originals_[window] = current;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure_));
}

LRESULT WindowSubclass::CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto found = originals_.find(window);
    if (found == originals_.end())
        return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC original = found->second;
    // A handle may be given to another window once this one is gone.
    if (message == WM_NCDESTROY)
        originals_.erase(found);
    return CallWindowProcW(original, window, message, wParam, lParam);
}

} // namespace platform
