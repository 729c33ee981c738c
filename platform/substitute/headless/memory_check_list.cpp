#include "platform/substitute/headless/memory_check_list.h"

#include <algorithm>

namespace platform {

void MemoryCheckList::ResetContent() {
    items_.clear();
    current_ = kNoSelection;
}

void MemoryCheckList::BeginUpdate(int added) {
    updating_ = true;
    items_.reserve(items_.size() + static_cast<size_t>(std::max(added, 0)));
}

int MemoryCheckList::AddString(const std::string& text) {
    items_.push_back({text});
    return GetCount() - 1;
}

std::string MemoryCheckList::GetText(int index) const {
    return IsItem(index) ? items_[index].text : std::string();
}

int MemoryCheckList::GetCheck(int index) const {
    return IsItem(index) ? items_[index].check : kBoxClear;
}

void MemoryCheckList::SetCheck(int index, int state) {
    if (IsItem(index))
        items_[index].check = state;
}

void MemoryCheckList::SetCurSel(int index) {
    SelectOnly(IsItem(index) ? index : kNoSelection);
}

bool MemoryCheckList::GetSel(int index) const {
    return IsItem(index) && items_[index].selected;
}

void MemoryCheckList::SelectOnly(int index) {
    for (int other = 0; other < GetCount(); ++other)
        items_[other].selected = other == index;
    current_ = index;
}

void MemoryCheckList::ClickItem(int index) {
    if (!IsItem(index))
        return;
    SelectOnly(index);
    Command(kLbnSelChange);
}

void MemoryCheckList::ControlClickItem(int index) {
    if (!extendedSelection_) {
        ClickItem(index);
        return;
    }
    if (!IsItem(index))
        return;
    items_[index].selected = !items_[index].selected;
    current_ = index;
    Command(kLbnSelChange);
}

void MemoryCheckList::ClickCheckBox(int index) {
    if (!IsItem(index))
        return;
    if (!GetSel(index))
        ClickItem(index);
    ToggleSelected(index);
}

void MemoryCheckList::DoubleClickCheckBox(int index) {
    ClickCheckBox(index);
    ClickCheckBox(index);
}

void MemoryCheckList::PressSpace() {
    for (int index = 0; index < GetCount(); ++index) {
        if (GetSel(index)) {
            ToggleSelected(index);
            return;
        }
    }
}

void MemoryCheckList::ToggleSelected(int index) {
    int state = Toggled(items_[index].check);
    for (Item& item : items_)
        if (item.selected)
            item.check = state;
    Command(kClbnChkChange);
}

std::vector<int> MemoryCheckList::Checks() const {
    std::vector<int> checks;
    for (const Item& item : items_)
        checks.push_back(item.check);
    return checks;
}

} // namespace platform
