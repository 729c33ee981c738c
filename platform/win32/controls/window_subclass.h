// Subclassing a control window in the way every Windows version since Windows 95 and NT 3.1
// allows: the window's procedure is replaced (SetWindowLongPtrA with GWLP_WNDPROC), and the
// replaced one is kept in a property of the window, to which the new procedure hands on every
// message it leaves alone (CallWindowProcA).
#pragma once

#include "platform/win32/windows_support.h"

namespace platform {

// Puts procedure in front of window's own procedure. A window takes one such procedure: a
// second call on a window that already has one changes nothing.
void SubclassWindow(HWND window, WNDPROC procedure);

// For the procedure given to SubclassWindow: the answer of the procedure it replaced. On
// WM_NCDESTROY, the last message a window gets, it also puts that procedure back.
LRESULT CallReplacedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform
