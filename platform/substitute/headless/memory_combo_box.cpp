#include "platform/substitute/headless/memory_combo_box.h"

namespace platform {

void MemoryComboBox::Choose(int index) {
    if (!IsEnabled() || index < 0 || index >= GetCount())
        return;
    SetCurSel(index);
    Command(kCbnSelChange);
}

} // namespace platform
