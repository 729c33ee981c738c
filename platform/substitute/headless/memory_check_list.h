// A check list without a window, single- or extended-selection, that behaves towards the user as
// the check list interface promises: a toggled box is changed before CLBN_CHKCHANGE is
// reported, and the items whose boxes changed are selected by then.
#pragma once

#include "platform/controls/check_list_control.h"
#include "platform/controls/user_input.h"
#include "platform/substitute/headless/control_reporter.h"

#include <string>
#include <vector>

namespace platform {

class MemoryCheckList final : public CheckListControl, public BoxListInput, public ControlReporter {
public:
    MemoryCheckList(int controlId, ControlEvents& events, bool extendedSelection)
        : ControlReporter(controlId, events), extendedSelection_(extendedSelection) {}

    void ResetContent() override;
    void BeginUpdate(int added) override;
    void EndUpdate() override { updating_ = false; }
    int AddString(const std::string& text) override;
    int GetCount() const override { return static_cast<int>(items_.size()); }
    std::string GetText(int index) const override;
    int GetCheck(int index) const override;
    void SetCheck(int index, int state) override;
    int GetCurSel() const override { return current_; }
    void SetCurSel(int index) override;
    bool GetSel(int index) const override;

    // A click on an item's text: it becomes the only selected item (LBN_SELCHANGE, even when it
    // was already).
    void ClickItem(int index) override;
    // A control-click (extended selection): toggles the item's selection (LBN_SELCHANGE).
    void ControlClickItem(int index) override;
    void ClickCheckBox(int index) override;
    // Two clicks on the box: two toggles.
    void DoubleClickCheckBox(int index) override;
    // Toggles the boxes of the selected items (of the current one in a single-selection list),
    // as a click on the first one's box would.
    void PressSpace() override;

    // Every box, in order.
    std::vector<int> Checks() const;
    // Whether the list shows its changes (no BeginUpdate without its EndUpdate).
    bool Redrawing() const { return !updating_; }

private:
    struct Item {
        std::string text;
        int check = kBoxClear;
        bool selected = false;
    };

    bool IsItem(int index) const { return index >= 0 && index < GetCount(); }
    // Selects index alone.
    void SelectOnly(int index);
    // The list's own cycle: clear becomes checked, checked and mixed become clear.
    static int Toggled(int state) { return state == kBoxClear ? kBoxChecked : kBoxClear; }
    // Sets every selected item's box to the toggle of index's and reports it.
    void ToggleSelected(int index);

    bool extendedSelection_;
    std::vector<Item> items_;
    int current_ = kNoSelection;
    bool updating_ = false;
};

} // namespace platform
