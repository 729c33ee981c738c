// A button window: its check state through BM_GETCHECK and BM_SETCHECK.
#pragma once

#include "platform/controls/button_control.h"
#include "platform/win32/controls/win32_control.h"

namespace platform {

class Win32Button final : public Win32Enablable<ButtonControl> {
public:
    using Win32Enablable::Win32Enablable;
    int GetCheck() const override { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) override { Send(BM_SETCHECK, state); }
};

} // namespace platform
