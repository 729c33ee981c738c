// Subclassing a control window in the way every Windows version since Windows 95 and NT 3.1
// allows: the window's procedure is replaced (SetWindowLongPtrA with GWLP_WNDPROC), and the
// replaced one is kept, by window, in a table of this module, to which the new procedure hands
// on every message it leaves alone (CallWindowProcA). The table is the library's own memory: a
// window property (or the common controls' SetWindowSubclass, which keeps one) would be looked
// up at every message, which under Wine is a trip to the window server and made every message to
// a list cost as much as a paint.
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
