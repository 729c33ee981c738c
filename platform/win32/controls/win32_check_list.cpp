#include "platform/win32/controls/win32_check_list.h"

#include "platform/controls/control_events.h"
#include "platform/win32/controls/window_subclass.h"

#include <vector>

namespace platform {

namespace {

constexpr int kTextGap = 3;

// The first selected item (the current one in a single-selection list), or kNoSelection.
int FirstSelected(Win32CheckList& list) {
    for (int index = 0; index < list.GetCount(); ++index)
        if (list.GetSel(index))
            return index;
    return list.GetCurSel();
}

LRESULT CALLBACK Boxes(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32CheckList list(window);
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        LRESULT hit = SendMessageA(window, LB_ITEMFROMPOINT, 0, lParam);
        RECT item{};
        int index = LOWORD(hit);
        SendMessageA(window, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        int boxSize = item.bottom - item.top;
        if (HIWORD(hit) == 0 && static_cast<short>(LOWORD(lParam)) < item.left + boxSize) {
            SetFocus(window);
            list.Toggle(index);
            return 0;
        }
    } else if (message == WM_KEYDOWN && wParam == VK_SPACE) {
        int first = FirstSelected(list);
        if (first != kNoSelection)
            list.Toggle(first);
        return 0;
    } else if (message == WM_CHAR && wParam == ' ') {
        return 0;
    }
    return CallReplacedProcedure(window, message, wParam, lParam);
}

} // namespace

void Win32CheckList::InstallBoxes(HWND list) {
    SubclassWindow(list, Boxes);
}

void Win32CheckList::Measure(HWND dialog, MEASUREITEMSTRUCT& measure) {
    HDC context = GetDC(dialog);
    HGDIOBJ old =
        SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(context, &metrics);
    SelectObject(context, old);
    ReleaseDC(dialog, context);
    measure.itemHeight = static_cast<UINT>(metrics.tmHeight + 2);
}

void Win32CheckList::Draw(const DRAWITEMSTRUCT& draw) {
    if (draw.itemID == static_cast<UINT>(-1))
        return;
    RECT box = draw.rcItem;
    int size = box.bottom - box.top;
    box.right = box.left + size;
    RECT text = draw.rcItem;
    text.left = box.right + kTextGap;

    bool selected = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(COLOR_WINDOW));
    FillRect(draw.hDC, &text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    auto state = static_cast<int>(draw.itemData);
    UINT look = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (state == kBoxChecked)
        look |= DFCS_CHECKED;
    else if (state == kBoxMixed)
        look = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
    InflateRect(&box, -1, -1);
    DrawFrameControl(draw.hDC, &box, DFC_BUTTON, look);

    std::string label = Win32CheckList(draw.hwndItem).GetText(static_cast<int>(draw.itemID));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(draw.hDC, label.c_str(), static_cast<int>(label.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (draw.itemState & ODS_FOCUS)
        DrawFocusRect(draw.hDC, &text);
}

void Win32CheckList::BeginUpdate(int added) {
    Send(WM_SETREDRAW, FALSE);
    // Room for the items and their texts, taken to be about as long as event names are.
    constexpr int kTextBytes = 32;
    if (added > 0)
        Send(LB_INITSTORAGE, static_cast<WPARAM>(added), static_cast<LPARAM>(added) * kTextBytes);
}

void Win32CheckList::EndUpdate() {
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(Window(), nullptr, TRUE);
}

int Win32CheckList::AddString(const std::string& text) {
    auto index = static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0)
        Send(LB_SETITEMDATA, static_cast<WPARAM>(index), kBoxClear);
    return index;
}

std::string Win32CheckList::GetText(int index) const {
    if (!IsItem(index))
        return {};
    std::vector<char> text(static_cast<size_t>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(index))) + 1,
                           '\0');
    Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

int Win32CheckList::GetCheck(int index) const {
    return IsItem(index) ? static_cast<int>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index)))
                         : kBoxClear;
}

void Win32CheckList::SetCheck(int index, int state) {
    if (!IsItem(index) || GetCheck(index) == state)
        return;
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), state);
    // Only an item in view is painted again: asking for a paint is a trip to the window server
    // on some systems, and a filled list sets every box.
    RECT item{}, client{};
    Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    GetClientRect(Window(), &client);
    if (item.bottom > client.top && item.top < client.bottom)
        InvalidateRect(Window(), &item, FALSE);
}

bool Win32CheckList::IsExtended() const {
    return (GetWindowLongA(Window(), GWL_STYLE) & LBS_EXTENDEDSEL) != 0;
}

void Win32CheckList::SetCurSel(int index) {
    if (!IsExtended()) {
        Send(LB_SETCURSEL, static_cast<WPARAM>(index));
        return;
    }
    Send(LB_SETSEL, FALSE, -1);
    if (IsItem(index)) {
        Send(LB_SETSEL, TRUE, index);
        Send(LB_SETCARETINDEX, static_cast<WPARAM>(index));
    }
}

bool Win32CheckList::SelectOnly(int index) {
    bool alone = GetSel(index);
    for (int other = 0; alone && other < GetCount(); ++other)
        alone = other == index || !GetSel(other);
    if (alone)
        return false;
    SetCurSel(index);
    return true;
}

void Win32CheckList::Toggle(int index) {
    if (!IsItem(index))
        return;
    if (!GetSel(index) && SelectOnly(index))
        Report(kLbnSelChange);
    int state = GetCheck(index) == kBoxClear ? kBoxChecked : kBoxClear;
    for (int item = 0; item < GetCount(); ++item)
        if (GetSel(item))
            SetCheck(item, state);
    Report(kClbnChkChange);
}

void Win32CheckList::Report(int code) const {
    SendMessageA(GetParent(Window()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Window()), code),
                 reinterpret_cast<LPARAM>(Window()));
}

} // namespace platform
