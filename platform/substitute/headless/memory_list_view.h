// A report-view list view without a window. Rows are kRowHeight pixels high from the top of the
// client area, which lies at the screen's origin; the first kStateIconWidth pixels of a row are
// its check box. What the user does moves the cursor to the point clicked and does what the real
// control does, in its order:
//   a click on a row's text selects that row alone and focuses it, then reports NM_CLICK;
//   a control-click reports the control key (LVN_KEYDOWN) with the cursor on the row, toggles
//   the row's selection and focuses it, then reports NM_CLICK;
//   a click on a row's box reports NM_CLICK and changes nothing; a double click on it reports
//   NM_CLICK, then NM_DBLCLK;
//   the space bar reports LVN_KEYDOWN, then leaves the focused row the only selected one;
//   a click on a column heading reports LVN_COLUMNCLICK.
// The result of the last notification is kept.
#pragma once

#include "platform/controls/list_view_control.h"
#include "platform/controls/user_input.h"
#include "platform/substitute/headless/control_reporter.h"
#include "platform/substitute/headless/memory_cursor.h"

#include <string>
#include <vector>

namespace platform {

class MemoryListView final : public ListViewControl, public ListViewInput, public ControlReporter {
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kStateIconWidth = 16;

    struct Column {
        std::string heading;
        int width;
    };

    MemoryListView(int controlId, ControlEvents& events, MemoryCursor& cursor)
        : ControlReporter(controlId, events), cursor_(cursor) {}

    void InsertColumn(int column, const std::string& heading, int width) override;
    void SetExtendedStyle(uint32_t style) override { extendedStyle_ = style; }

    int GetItemCount() const override { return static_cast<int>(rows_.size()); }
    void DeleteAllItems() override { rows_.clear(); }
    void BeginUpdate(int added) override;
    void EndUpdate() override { updating_ = false; }
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
    Point ScreenToClient(Point point) const override { return point; }

    int FindItemByText(const std::string& text) const override;
    int FindItemByData(uintptr_t data) const override;
    void SortItems(const Compare& compare) override;

    void ClickItem(int row) override;
    void ControlClickItem(int row) override;
    void ClickCheckBox(int row) override;
    void DoubleClickCheckBox(int row) override;
    void PressSpace() override;
    void ClickColumn(int column) override;

    const std::vector<Column>& Columns() const { return columns_; }
    uint32_t ExtendedStyle() const { return extendedStyle_; }
    // The rows in the selected state, in list order.
    std::vector<int> SelectedRows() const;
    intptr_t LastResult() const { return lastResult_; }
    // Whether the list shows its changes (no BeginUpdate without its EndUpdate).
    bool Redrawing() const { return !updating_; }

private:
    struct Row {
        std::vector<std::string> texts;
        uintptr_t data = 0;
        bool checked = false;
        uint32_t state = 0;
    };

    bool IsRow(int row) const { return row >= 0 && row < GetItemCount(); }
    // The point x pixels into row, halfway down.
    static Point PointIn(int row, int x);
    // Moves the cursor to x pixels into row and reports code (NM_CLICK, NM_DBLCLK).
    void ReportClick(int row, int x, int code = kNmClick);
    void ReportKey(uint16_t key);
    void SelectAlone(int row);

    MemoryCursor& cursor_;
    std::vector<Column> columns_;
    uint32_t extendedStyle_ = 0;
    std::vector<Row> rows_;
    intptr_t lastResult_ = 0;
    bool updating_ = false;
};

} // namespace platform
