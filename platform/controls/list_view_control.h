// A report-view list view with check boxes, as the driver selection pages use it: rows with an
// item text and sub-item texts, 32-bit item data, check boxes, selected and focused states, hit
// testing, finding and sorting. Rows are addressed by their index in list order; a row that
// does not exist (-1 among them) reads as empty, unchecked and unselected, and is not changed.
//
// A box changes through SetCheck alone: when the user clicks a box or presses the space bar, the
// control reports it (NM_CLICK, LVN_KEYDOWN) and leaves the boxes to the page, so what the page
// reads in its handler is what the user saw, and what it writes is what the list shows after.
#pragma once

#include "platform/controls/geometry.h"

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// Item states (LVIS_*).
constexpr uint32_t kLvisFocused = 0x01;
constexpr uint32_t kLvisSelected = 0x02;
constexpr uint32_t kLvisCut = 0x04;
constexpr uint32_t kLvisDropHilited = 0x08;
// Extended styles (LVS_EX_*).
constexpr uint32_t kLvsExCheckBoxes = 0x04;
constexpr uint32_t kLvsExFullRowSelect = 0x20;
// Hit-test flags (LVHT_*).
constexpr uint32_t kLvhtNowhere = 0x01;
constexpr uint32_t kLvhtOnItemLabel = 0x04;
constexpr uint32_t kLvhtOnItemStateIcon = 0x08;

struct ListHit {
    int row = -1;
    uint32_t flags = kLvhtNowhere;
};

class ListViewControl {
public:
    // The comparison of two rows' item data that SortItems orders by (LVM_SORTITEMS).
    using Compare = std::function<int(uintptr_t, uintptr_t)>;

    virtual ~ListViewControl() = default;

    virtual void InsertColumn(int column, const std::string& heading, int width) = 0;
    virtual void SetExtendedStyle(uint32_t style) = 0;

    virtual int GetItemCount() const = 0;
    virtual void DeleteAllItems() = 0;
    // Many rows are about to change, and added more to be added: the list makes room for them
    // and shows nothing of the changes until EndUpdate, which shows the rows as they are then
    // (WM_SETREDRAW, LVM_SETITEMCOUNT). The rows themselves change at once, as without the
    // pair; pairs do not nest.
    virtual void BeginUpdate(int added) = 0;
    virtual void EndUpdate() = 0;
    // Inserts a row with text at row (the end when row is the count); its index.
    virtual int InsertItem(int row, const std::string& text) = 0;
    virtual void SetItemText(int row, int column, const std::string& text) = 0;
    // The text of a column, at most maxLength characters.
    virtual std::string GetItemText(int row, int column, size_t maxLength) const = 0;
    virtual void SetItemData(int row, uintptr_t data) = 0;
    virtual uintptr_t GetItemData(int row) const = 0;

    virtual bool GetCheck(int row) const = 0;
    virtual void SetCheck(int row, bool checked) = 0;

    // The state bits of mask (kLvis*); SetItemState sets the bits of mask to those of state.
    virtual uint32_t GetItemState(int row, uint32_t mask) const = 0;
    virtual void SetItemState(int row, uint32_t state, uint32_t mask) = 0;

    // The row at a point of the list's client area and where on it the point lies.
    virtual ListHit SubItemHitTest(Point point) const = 0;
    // The screen point in the list's client coordinates.
    virtual Point ScreenToClient(Point point) const = 0;

    // The first row whose item text equals text, ignoring case; -1 for none.
    virtual int FindItemByText(const std::string& text) const = 0;
    // The row whose item data is data; -1 for none.
    virtual int FindItemByData(uintptr_t data) const = 0;
    // Orders the rows ascending by compare of their item data.
    virtual void SortItems(const Compare& compare) = 0;
};

} // namespace platform
