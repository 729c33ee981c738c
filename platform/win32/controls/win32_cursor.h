// The system's mouse cursor.
#pragma once

#include "platform/controls/cursor_control.h"

#include "platform/win32/windows_support.h"

namespace platform {

class Win32Cursor final : public CursorControl {
public:
    Point Position() const override {
        POINT point{};
        GetCursorPos(&point);
        return {point.x, point.y};
    }
    CursorHandle Current() const override { return reinterpret_cast<CursorHandle>(GetCursor()); }
    CursorHandle Set(CursorHandle cursor) override {
        return reinterpret_cast<CursorHandle>(SetCursor(reinterpret_cast<HCURSOR>(cursor)));
    }
    CursorHandle Wait() const override {
        return reinterpret_cast<CursorHandle>(LoadCursor(nullptr, IDC_WAIT));
    }
};

} // namespace platform
