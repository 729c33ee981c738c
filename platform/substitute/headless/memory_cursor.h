// The mouse cursor without a screen: a position that the in-memory controls move to where the
// user clicks, and the shapes shown, in order.
#pragma once

#include "platform/controls/cursor_control.h"

#include <vector>

namespace platform {

class MemoryCursor final : public CursorControl {
public:
    static constexpr CursorHandle kArrow = 32512; // IDC_ARROW
    static constexpr CursorHandle kWait = 32514;  // IDC_WAIT

    Point Position() const override { return position_; }
    CursorHandle Current() const override { return current_; }
    CursorHandle Set(CursorHandle cursor) override {
        CursorHandle previous = current_;
        current_ = cursor;
        shown.push_back(cursor);
        return previous;
    }
    CursorHandle Wait() const override { return kWait; }

    void MoveTo(Point position) { position_ = position; }

    std::vector<CursorHandle> shown;

private:
    Point position_;
    CursorHandle current_ = kArrow;
};

} // namespace platform
