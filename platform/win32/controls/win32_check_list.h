// A check list window: an owner-drawn list box (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) whose items
// carry their box state as item data. The list draws its boxes itself (its dialog hands it
// WM_DRAWITEM and WM_MEASUREITEM), and, once InstallBoxes has been called on it, toggles boxes
// on a click on a box or the space bar: the toggled items are selected first (LBN_SELCHANGE when
// that changed the selection), every selected box gets the toggle of the first one's state, and
// then CLBN_CHKCHANGE goes to the parent.
#pragma once

#include "platform/controls/check_list_control.h"
#include "platform/win32/controls/win32_control.h"

namespace platform {

class Win32CheckList final : public CheckListControl, private Win32Control {
public:
    using Win32Control::Win32Control;

    static void InstallBoxes(HWND list);
    static void Measure(HWND dialog, MEASUREITEMSTRUCT& measure);
    static void Draw(const DRAWITEMSTRUCT& draw);

    void ResetContent() override { Send(LB_RESETCONTENT); }
    void BeginUpdate(int added) override;
    void EndUpdate() override;
    int AddString(const std::string& text) override;
    int GetCount() const override { return static_cast<int>(Send(LB_GETCOUNT)); }
    std::string GetText(int index) const override;
    int GetCheck(int index) const override;
    void SetCheck(int index, int state) override;
    int GetCurSel() const override { return static_cast<int>(Send(LB_GETCURSEL)); }
    void SetCurSel(int index) override;
    bool GetSel(int index) const override {
        return Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
    }

    // What the user does to the list: a toggle of index's box (and the other selected ones').
    void Toggle(int index);
    // Selects index alone; true when that changed the selection.
    bool SelectOnly(int index);

private:
    bool IsItem(int index) const { return index >= 0 && index < GetCount(); }
    bool IsExtended() const;
    void Report(int code) const;
};

} // namespace platform
