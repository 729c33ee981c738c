// The mouse cursor: where it is (GetCursorPos) and which shape it shows (GetCursor, SetCursor,
// LoadCursor with IDC_WAIT).
#pragma once

#include "platform/controls/geometry.h"

#include <cstdint>

namespace platform {

using CursorHandle = std::uintptr_t;

class CursorControl {
public:
    virtual ~CursorControl() = default;
    // The cursor's position in screen coordinates.
    virtual Point Position() const = 0;
    virtual CursorHandle Current() const = 0;
    // Shows cursor; the one shown before.
    virtual CursorHandle Set(CursorHandle cursor) = 0;
    // The system's wait (hourglass) cursor.
    virtual CursorHandle Wait() const = 0;
};

} // namespace platform
