// An edit window: its whole text through GetWindowTextA and SetWindowTextA.
#pragma once

#include "platform/controls/edit_control.h"
#include "platform/win32/controls/win32_control.h"

#include <string>

namespace platform {

class Win32Edit final : public EditControl, private Win32Control {
public:
    using Win32Control::Win32Control;
    std::string GetText() const override {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(Window())) + 1, '\0');
        text.resize(
            static_cast<size_t>(GetWindowTextA(Window(), &text[0], static_cast<int>(text.size()))));
        return text;
    }
    void SetText(const std::string& text) override { SetWindowTextA(Window(), text.c_str()); }
};

} // namespace platform
