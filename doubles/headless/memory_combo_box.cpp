#include "doubles/headless/memory_combo_box.h"

namespace platform {

void MemoryComboBox::Choose(int index) {
    if (!IsEnabled())
        return;
    SetCurSel(index);
    Command(kCbnSelChange);
}

} // namespace platform
