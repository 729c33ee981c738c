// A check list: a list box whose items each have a box that is clear (0), checked (1) or mixed
// (2). A single-selection list has one current item; an extended-selection list any number of
// selected items.
//
// When the user toggles a box, the list changes it before it reports the change
// (CLBN_CHKCHANGE), and the items whose boxes changed are then selected: a click on the box of
// an unselected item first makes it the only selected one (reporting LBN_SELCHANGE), and a
// toggle on a selected item's box applies to every selected item. A toggle cycles through the
// list's own states: clear becomes checked; checked and mixed become clear.
#pragma once

#include "platform/controls/window_control.h"

#include <string>

namespace platform {

constexpr int kBoxClear = 0;
constexpr int kBoxChecked = 1;
constexpr int kBoxMixed = 2;

class CheckListControl {
public:
    virtual ~CheckListControl() = default;

    virtual void ResetContent() = 0;
    // Many items are about to change, and added more to be added: the list makes room for them
    // and shows nothing of the changes until EndUpdate, which shows the items as they are then
    // (WM_SETREDRAW, LB_INITSTORAGE). The items themselves change at once, as without the pair;
    // pairs do not nest.
    virtual void BeginUpdate(int added) = 0;
    virtual void EndUpdate() = 0;
    // Appends an item with a clear box; its index.
    virtual int AddString(const std::string& text) = 0;
    virtual int GetCount() const = 0;
    virtual std::string GetText(int index) const = 0;

    virtual int GetCheck(int index) const = 0;
    virtual void SetCheck(int index, int state) = 0;

    // The current item of a single-selection list, or kNoSelection (-1).
    virtual int GetCurSel() const = 0;
    virtual void SetCurSel(int index) = 0;
    // Whether an item is selected (in either kind of list).
    virtual bool GetSel(int index) const = 0;
};

} // namespace platform
