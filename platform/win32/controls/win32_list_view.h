// A report-view list view window (SysListView32) through its LVM_* messages. Its boxes change
// through SetCheck alone: the window would toggle a box by itself when the user clicks it or
// presses the space bar, before or after it reports that (NM_CLICK, LVN_KEYDOWN), but it asks its
// dialog first (LVN_ITEMCHANGING), and the dialog refuses every change RefusesChange names.
#pragma once

#include "platform/controls/list_view_control.h"
#include "platform/win32/controls/win32_control.h"

#include <commctrl.h>

namespace platform {

class Win32ListView final : public ListViewControl, private Win32Control {
public:
    using Win32Control::Win32Control;

    // Whether the dialog refuses a change of a row's state that the window is about to make: a
    // change of a box that SetCheck is not making.
    bool RefusesChange(const NMLISTVIEW& change) const;

    void InsertColumn(int column, const std::string& heading, int width) override;
    void SetExtendedStyle(uint32_t style) override;

    int GetItemCount() const override;
    void DeleteAllItems() override;
    void BeginUpdate(int added) override;
    void EndUpdate() override;
    int InsertItem(int row, const std::string& text) override;
    void SetItemText(int row, int column, const std::string& text) override;
    std::string GetItemText(int row, int column, size_t maxLength) const override;
    void SetItemData(int row, uintptr_t data) override;
    uintptr_t GetItemData(int row) const override;

    bool GetCheck(int row) const override;
    void SetCheck(int row, bool checked) override;
    uint32_t GetItemState(int row, uint32_t mask) const override;
    void SetItemState(int row, uint32_t state, uint32_t mask) override;

    ListHit SubItemHitTest(Point point) const override;
    Point ScreenToClient(Point point) const override;

    int FindItemByText(const std::string& text) const override;
    int FindItemByData(uintptr_t data) const override;
    void SortItems(const Compare& compare) override;

private:
    bool IsRow(int row) const { return row >= 0 && row < GetItemCount(); }
    int Find(LVFINDINFOA& find) const;

    bool settingCheck_ = false;
};

} // namespace platform
