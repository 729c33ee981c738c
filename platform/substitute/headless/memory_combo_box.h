// A drop-down list combo box without a window, holding the items its template gives it. The
// user's choice of an item selects it and reports CBN_SELCHANGE, even when it was selected; a
// disabled box drops no list to choose from.
#pragma once

#include "platform/controls/combo_box_control.h"
#include "platform/controls/user_input.h"
#include "platform/substitute/headless/control_reporter.h"

#include <string>
#include <vector>

namespace platform {

class MemoryComboBox final : public Enablable<ComboBoxControl>,
                             public ComboBoxInput,
                             public ControlReporter {
public:
    MemoryComboBox(int controlId, ControlEvents& events, std::vector<std::string> items)
        : ControlReporter(controlId, events), items_(std::move(items)) {}

    int GetCount() const override { return static_cast<int>(items_.size()); }
    int GetCurSel() const override { return selected_; }
    void SetCurSel(int index) override {
        selected_ = index >= 0 && index < GetCount() ? index : kNoSelection;
    }
    const std::vector<std::string>& Items() const { return items_; }

    void Choose(int index) override;

private:
    std::vector<std::string> items_;
    int selected_ = kNoSelection;
};

} // namespace platform
