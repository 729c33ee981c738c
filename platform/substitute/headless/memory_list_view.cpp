#include "platform/substitute/headless/memory_list_view.h"

#include "platform/multibyte.h"

#include <algorithm>
#include <numeric>

namespace platform {

void MemoryListView::InsertColumn(int column, const std::string& heading, int width) {
    size_t at = std::min(static_cast<size_t>(std::max(column, 0)), columns_.size());
    columns_.insert(columns_.begin() + at, {heading, width});
}

void MemoryListView::BeginUpdate(int added) {
    updating_ = true;
    rows_.reserve(rows_.size() + static_cast<size_t>(std::max(added, 0)));
}

int MemoryListView::InsertItem(int row, const std::string& text) {
    int at = std::clamp(row, 0, GetItemCount());
    Row inserted;
    inserted.texts.push_back(text);
    rows_.insert(rows_.begin() + at, std::move(inserted));
    return at;
}

void MemoryListView::SetItemText(int row, int column, const std::string& text) {
    if (!IsRow(row) || column < 0)
        return;
    std::vector<std::string>& texts = rows_[row].texts;
    if (texts.size() <= static_cast<size_t>(column))
        texts.resize(column + 1);
    texts[column] = text;
}

std::string MemoryListView::GetItemText(int row, int column, size_t maxLength) const {
    if (!IsRow(row) || column < 0 || static_cast<size_t>(column) >= rows_[row].texts.size())
        return std::string();
    return rows_[row].texts[column].substr(0, maxLength);
}

void MemoryListView::SetItemData(int row, uintptr_t data) {
    if (IsRow(row))
        rows_[row].data = data;
}

uintptr_t MemoryListView::GetItemData(int row) const {
    return IsRow(row) ? rows_[row].data : 0;
}

bool MemoryListView::GetCheck(int row) const {
    return IsRow(row) && rows_[row].checked;
}

void MemoryListView::SetCheck(int row, bool checked) {
    if (IsRow(row))
        rows_[row].checked = checked;
}

uint32_t MemoryListView::GetItemState(int row, uint32_t mask) const {
    return IsRow(row) ? rows_[row].state & mask : 0;
}

void MemoryListView::SetItemState(int row, uint32_t state, uint32_t mask) {
    if (IsRow(row))
        rows_[row].state = (rows_[row].state & ~mask) | (state & mask);
}

ListHit MemoryListView::SubItemHitTest(Point point) const {
    int row = point.y >= 0 ? point.y / kRowHeight : -1;
    if (point.x < 0 || !IsRow(row))
        return ListHit{};
    return ListHit{row, point.x < kStateIconWidth ? kLvhtOnItemStateIcon : kLvhtOnItemLabel};
}

int MemoryListView::FindItemByText(const std::string& text) const {
    for (int row = 0; row < GetItemCount(); ++row)
        if (MbsICmp(rows_[row].texts[0].c_str(), text.c_str()) == 0)
            return row;
    return -1;
}

int MemoryListView::FindItemByData(uintptr_t data) const {
    for (int row = 0; row < GetItemCount(); ++row)
        if (rows_[row].data == data)
            return row;
    return -1;
}

void MemoryListView::SortItems(const Compare& compare) {
    // The rows stay where they are while compare runs, as it may look them up by their data.
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return compare(rows_[a].data, rows_[b].data) < 0; });
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (size_t from : order)
        sorted.push_back(std::move(rows_[from]));
    rows_ = std::move(sorted);
}

Point MemoryListView::PointIn(int row, int x) {
    return {x, row * kRowHeight + kRowHeight / 2};
}

void MemoryListView::ReportClick(int row, int x, int code) {
    cursor_.MoveTo(PointIn(row, x));
    ControlNotification click{};
    click.code = code;
    lastResult_ = Notify(click);
}

void MemoryListView::ReportKey(uint16_t key) {
    ControlNotification keyDown{};
    keyDown.code = kLvnKeyDown;
    keyDown.key = key;
    lastResult_ = Notify(keyDown);
}

void MemoryListView::SelectAlone(int row) {
    for (int other = 0; other < GetItemCount(); ++other)
        SetItemState(other, 0, kLvisSelected | kLvisFocused);
    SetItemState(row, kLvisSelected | kLvisFocused, kLvisSelected | kLvisFocused);
}

void MemoryListView::ClickItem(int row) {
    SelectAlone(row);
    ReportClick(row, kStateIconWidth + 1);
}

void MemoryListView::ControlClickItem(int row) {
    cursor_.MoveTo(PointIn(row, kStateIconWidth + 1));
    ReportKey(kVkControl);
    for (int other = 0; other < GetItemCount(); ++other)
        SetItemState(other, 0, kLvisFocused);
    SetItemState(row, (GetItemState(row, kLvisSelected) ^ kLvisSelected) | kLvisFocused,
                 kLvisSelected | kLvisFocused);
    ReportClick(row, kStateIconWidth + 1);
}

void MemoryListView::ClickCheckBox(int row) {
    ReportClick(row, kStateIconWidth / 2);
}

void MemoryListView::DoubleClickCheckBox(int row) {
    ClickCheckBox(row);
    ReportClick(row, kStateIconWidth / 2, kNmDblClk);
}

void MemoryListView::PressSpace() {
    ReportKey(kVkSpace);
    for (int row = 0; row < GetItemCount(); ++row) {
        if (GetItemState(row, kLvisFocused)) {
            SelectAlone(row);
            return;
        }
    }
}

void MemoryListView::ClickColumn(int column) {
    ControlNotification columnClick{};
    columnClick.code = kLvnColumnClick;
    columnClick.column = column;
    lastResult_ = Notify(columnClick);
}

std::vector<int> MemoryListView::SelectedRows() const {
    std::vector<int> selected;
    for (int row = 0; row < GetItemCount(); ++row)
        if (GetItemState(row, kLvisSelected))
            selected.push_back(row);
    return selected;
}

} // namespace platform
