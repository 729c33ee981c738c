// A drop-down list combo box window: CB_GETCOUNT, CB_GETCURSEL and CB_SETCURSEL.
#pragma once

#include "platform/controls/combo_box_control.h"
#include "platform/win32/controls/win32_control.h"

namespace platform {

class Win32ComboBox final : public Win32Enablable<ComboBoxControl> {
public:
    using Win32Enablable::Win32Enablable;
    int GetCount() const override { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const override { return static_cast<int>(Send(CB_GETCURSEL)); }
    // An index beyond the items clears the selection, as -1 does; not every version of the
    // control does that by itself.
    void SetCurSel(int index) override {
        Send(CB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < GetCount() ? index : -1));
    }
};

} // namespace platform
