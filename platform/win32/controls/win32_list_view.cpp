#include "platform/win32/controls/win32_list_view.h"

#include "platform/controls/control_events.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace platform {

static_assert(kLvisFocused == LVIS_FOCUSED && kLvisSelected == LVIS_SELECTED &&
              kLvisCut == LVIS_CUT && kLvisDropHilited == LVIS_DROPHILITED);
static_assert(kLvsExCheckBoxes == LVS_EX_CHECKBOXES && kLvsExFullRowSelect == LVS_EX_FULLROWSELECT);
static_assert(kLvhtNowhere == LVHT_NOWHERE && kLvhtOnItemLabel == LVHT_ONITEMLABEL &&
              kLvhtOnItemStateIcon == LVHT_ONITEMSTATEICON);
// The notification codes are negative numbers that the SDK writes as unsigned ones.
static_assert(kNmClick == static_cast<int>(NM_CLICK) &&
              kLvnColumnClick == static_cast<int>(LVN_COLUMNCLICK) &&
              kLvnKeyDown == static_cast<int>(LVN_KEYDOWN) && kVkSpace == VK_SPACE);

namespace {

constexpr UINT kStateImageChecked = 2; // state image 1 is the clear box, 2 the checked one

int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM compare) {
    return (*reinterpret_cast<const ListViewControl::Compare*>(compare))(
        static_cast<uintptr_t>(first), static_cast<uintptr_t>(second));
}

} // namespace

bool Win32ListView::RefusesChange(const NMLISTVIEW& change) const {
    return (change.uChanged & LVIF_STATE) != 0 && !settingCheck_ &&
           ((change.uOldState ^ change.uNewState) & LVIS_STATEIMAGEMASK) != 0;
}

void Win32ListView::InsertColumn(int column, const std::string& heading, int width) {
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    info.pszText = const_cast<char*>(heading.c_str());
    info.cx = width;
    info.iSubItem = column;
    Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
}

void Win32ListView::SetExtendedStyle(uint32_t style) {
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style));
}

int Win32ListView::GetItemCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

void Win32ListView::DeleteAllItems() {
    Send(LVM_DELETEALLITEMS);
}

void Win32ListView::BeginUpdate(int added) {
    Send(WM_SETREDRAW, FALSE);
    if (added > 0)
        Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(GetItemCount() + added), LVSICF_NOINVALIDATEALL);
}

void Win32ListView::EndUpdate() {
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(Window(), nullptr, TRUE);
}

int Win32ListView::InsertItem(int row, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void Win32ListView::SetItemText(int row, int column, const std::string& text) {
    if (!IsRow(row))
        return;
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string Win32ListView::GetItemText(int row, int column, size_t maxLength) const {
    if (!IsRow(row))
        return {};
    std::vector<char> text(maxLength + 1, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    // Some versions fill the whole buffer and leave no terminator.
    return std::string(text.data(), strnlen(text.data(), maxLength));
}

void Win32ListView::SetItemData(int row, uintptr_t data) {
    if (!IsRow(row))
        return;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = static_cast<LPARAM>(data);
    Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

uintptr_t Win32ListView::GetItemData(int row) const {
    if (!IsRow(row))
        return 0;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<uintptr_t>(item.lParam);
}

bool Win32ListView::GetCheck(int row) const {
    if (!IsRow(row))
        return false;
    auto state =
        static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state >> 12) == kStateImageChecked;
}

void Win32ListView::SetCheck(int row, bool checked) {
    settingCheck_ = true;
    SetItemState(row, INDEXTOSTATEIMAGEMASK(checked ? kStateImageChecked : 1), LVIS_STATEIMAGEMASK);
    settingCheck_ = false;
}

uint32_t Win32ListView::GetItemState(int row, uint32_t mask) const {
    if (!IsRow(row))
        return 0;
    return static_cast<uint32_t>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), mask));
}

void Win32ListView::SetItemState(int row, uint32_t state, uint32_t mask) {
    if (!IsRow(row))
        return;
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

ListHit Win32ListView::SubItemHitTest(Point point) const {
    LVHITTESTINFO info{};
    info.pt = {point.x, point.y};
    Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&info));
    return {info.iItem, info.flags};
}

Point Win32ListView::ScreenToClient(Point point) const {
    POINT client{point.x, point.y};
    ::ScreenToClient(Window(), &client);
    return {client.x, client.y};
}

int Win32ListView::Find(LVFINDINFOA& find) const {
    return static_cast<int>(
        Send(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

int Win32ListView::FindItemByText(const std::string& text) const {
    LVFINDINFOA find{};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    return Find(find);
}

int Win32ListView::FindItemByData(uintptr_t data) const {
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = static_cast<LPARAM>(data);
    return Find(find);
}

void Win32ListView::SortItems(const Compare& compare) {
    Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&compare), reinterpret_cast<LPARAM>(CompareRows));
}

} // namespace platform
