// A control window as its wrapper sees it: the handle, messages sent to it, and being enabled
// (EnableWindow, IsWindowEnabled). Base is the control interface the wrapper implements.
#pragma once

#include "platform/win32/windows_support.h"

namespace platform {

class Win32Control {
public:
    explicit Win32Control(HWND control) : control_(control) {}

protected:
    HWND Window() const { return control_; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(control_, message, wParam, lParam);
    }

private:
    HWND control_;
};

template <typename Base> class Win32Enablable : public Base, protected Win32Control {
public:
    explicit Win32Enablable(HWND control) : Win32Control(control) {}
    void Enable(bool enable) override { EnableWindow(Window(), enable); }
    bool IsEnabled() const override { return IsWindowEnabled(Window()) != FALSE; }
};

} // namespace platform
