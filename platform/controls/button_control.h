// A button as the pages use it: radio buttons and check boxes with their check state
// (BM_GETCHECK, BM_SETCHECK), enabled or not.
#pragma once

#include "platform/controls/window_control.h"

namespace platform {

constexpr int kUnchecked = 0; // BST_UNCHECKED
constexpr int kChecked = 1;   // BST_CHECKED

class ButtonControl : public WindowControl {
public:
    virtual int GetCheck() const = 0;
    virtual void SetCheck(int state) = 0;
};

} // namespace platform
