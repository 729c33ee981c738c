// A report-view list view without a window. Rows are kRowHeight pixels high from the top of the
// client area, which lies at the screen's origin; the first kStateIconWidth pixels of a row are
// its check box. What the user does moves the cursor to the point clicked, does what the real
// control does by itself, then reports:
//   a click on a row's text selects that row alone and focuses it; a control-click toggles the
//   row's selection; a click on a row's check box toggles the box and leaves the selection as
//   it was. Each reports NM_CLICK.
//   a key press reports LVN_KEYDOWN and changes nothing by itself;
//   a click on a column heading reports LVN_COLUMNCLICK.
// The result of the last notification is kept.
#pragma once

#include "doubles/headless/control_reporter.h"
#include "doubles/headless/memory_cursor.h"
#include "platform/controls/list_view_control.h"

#include <string>
#include <vector>

namespace platform {

class MemoryListView final : public ListViewControl, public ControlReporter {
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

    // What the user does.
    void ClickRow(int row);
    void ControlClickRow(int row);
    void ClickCheckBox(int row);
    void PressKey(uint16_t key);
    void ClickColumn(int column);

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
    // Moves the cursor to x pixels into row and reports NM_CLICK.
    void ReportClick(int row, int x);

    MemoryCursor& cursor_;
    std::vector<Column> columns_;
    uint32_t extendedStyle_ = 0;
    std::vector<Row> rows_;
    intptr_t lastResult_ = 0;
    bool updating_ = false;
};

} // namespace platform
