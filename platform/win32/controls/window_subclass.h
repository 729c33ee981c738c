// A control window subclassed by its window procedure, as every Windows version allows it: the
// new procedure sees each message first and hands what it leaves to the window's own. (The
// common controls' SetWindowSubclass looks its data up on every message, which is a trip to the
// window server on some systems, and Windows NT 4 and 95 do not export it by name.)
#pragma once

#include "platform/win32/windows_support.h"

#include <map>

namespace platform {

class WindowSubclass {
public:
    explicit WindowSubclass(WNDPROC procedure) : procedure_(procedure) {}

    // Makes window's messages go to the procedure first; once is enough.
    void Install(HWND window);
    // The window's own procedure, for a message the procedure leaves to it.
    LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    WNDPROC procedure_;
    std::map<HWND, WNDPROC> originals_; // until the window is destroyed
};

} // namespace platform
