#include "platform/substitute/headless/memory_button.h"

namespace platform {

void MemoryButton::Click() {
    if (!IsEnabled())
        return;
    if (kind_ == ButtonKind::AutoCheckBox) {
        check_ = check_ == kUnchecked ? kChecked : kUnchecked;
    } else if (kind_ == ButtonKind::AutoRadioButton) {
        for (MemoryButton* other : group_)
            other->check_ = kUnchecked;
        check_ = kChecked;
    }
    Command(kBnClicked);
}

} // namespace platform
