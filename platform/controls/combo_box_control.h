// A drop-down list combo box as the pages use it: the selected position among the items that
// came with the dialog template (CB_GETCURSEL, CB_SETCURSEL), enabled or not.
#pragma once

#include "platform/controls/window_control.h"

namespace platform {

class ComboBoxControl : public WindowControl {
public:
    virtual int GetCount() const = 0;
    // The selected position, or kNoSelection.
    virtual int GetCurSel() const = 0;
    // Selects position index; any other value (kNoSelection among them) clears the selection.
    virtual void SetCurSel(int index) = 0;
};

} // namespace platform
