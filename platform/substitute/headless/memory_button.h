// A button without a window: a push button, an auto check box or an auto radio button. A click
// does what the real button does by itself (an auto check box toggles, an auto radio button is
// checked and clears the other buttons of its group), then reports BN_CLICKED; a disabled
// button ignores clicks.
#pragma once

#include "platform/controls/button_control.h"
#include "platform/controls/user_input.h"
#include "platform/substitute/headless/control_reporter.h"

#include <vector>

namespace platform {

enum class ButtonKind { Push, AutoCheckBox, AutoRadioButton };

class MemoryButton final : public Enablable<ButtonControl>,
                           public ButtonInput,
                           public ControlReporter {
public:
    MemoryButton(int controlId, ControlEvents& events, ButtonKind kind)
        : ControlReporter(controlId, events), kind_(kind) {}

    int GetCheck() const override { return check_; }
    void SetCheck(int state) override { check_ = state; }

    // The other auto radio buttons of this one's group.
    void JoinGroup(MemoryButton& other) { group_.push_back(&other); }

    void Click() override;

private:
    ButtonKind kind_;
    int check_ = kUnchecked;
    std::vector<MemoryButton*> group_;
};

} // namespace platform
