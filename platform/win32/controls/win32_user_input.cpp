#include "platform/win32/controls/win32_user_input.h"

#include <commctrl.h>

#include <cstring>
#include <string>

namespace platform {

// One control window and how its input is delivered.
class Win32InputControl {
public:
    Win32InputControl(HWND window, Delivery delivery) : window_(window), delivery_(delivery) {}
    virtual ~Win32InputControl() = default;

protected:
    HWND Window() const { return window_; }
    // Clicks count times at point of the control's client area, with key (such as the control
    // key) held down unless it is 0.
    void ClickAt(POINT point, int count = 1, WORD key = 0) const {
        ClientToScreen(window_, &point);
        ClickOnScreen(point, count, key);
        Deliver();
    }
    void PressWithFocus(WORD key) const {
        SetFocus(window_);
        Press(key);
        Deliver();
    }
    void Deliver() const {
        if (delivery_ == Delivery::Handled)
            HandleMessages();
    }

private:
    HWND window_;
    Delivery delivery_;
};

namespace {

class Win32ButtonInput final : public Win32InputControl, public ButtonInput {
public:
    using Win32InputControl::Win32InputControl;
    void Click() override {
        RECT client{};
        GetClientRect(Window(), &client);
        ClickAt(Middle(client));
    }
};

class Win32ComboBoxInput final : public Win32InputControl, public ComboBoxInput {
public:
    using Win32InputControl::Win32InputControl;
    void Choose(int index) override {
        RECT client{};
        GetClientRect(Window(), &client);
        ClickAt(Middle(client));
        HandleMessages();
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!SendMessageA(Window(), CB_GETDROPPEDSTATE, 0, 0) || !GetComboBoxInfo(Window(), &info))
            return; // a disabled box does not drop its list
        RECT item{};
        SendMessageA(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        POINT point = Middle(item);
        MapWindowPoints(info.hwndList, Window(), &point, 1);
        ClickAt(point);
    }
};

class Win32EditInput final : public Win32InputControl, public EditInput {
public:
    using Win32InputControl::Win32InputControl;
    void Type(const std::string& text) override {
        RECT client{};
        GetClientRect(Window(), &client);
        ClickAt(Middle(client));
        Press(VK_HOME);
        Key(VK_SHIFT);
        Press(VK_END);
        Key(VK_SHIFT, KEYEVENTF_KEYUP);
        for (char character : text)
            TypeCharacter(character);
        Deliver();
    }
};

// A list whose items have boxes, clicked where it shows an item's box or its text.
template <typename Base> class Win32BoxListInput : public Win32InputControl, public Base {
public:
    using Win32InputControl::Win32InputControl;
    void ClickItem(int index) override { ClickAt(TextPoint(index)); }
    void ControlClickItem(int index) override { ClickAt(TextPoint(index), 1, VK_CONTROL); }
    void ClickCheckBox(int index) override { ClickAt(BoxPoint(index)); }
    void DoubleClickCheckBox(int index) override { ClickAt(BoxPoint(index), 2); }
    void PressSpace() override { PressWithFocus(VK_SPACE); }

protected:
    virtual POINT BoxPoint(int index) const = 0;
    virtual POINT TextPoint(int index) const = 0;
};

class Win32ListViewInput final : public Win32BoxListInput<ListViewInput> {
public:
    using Win32BoxListInput::Win32BoxListInput;
    void ClickColumn(int column) override {
        auto header = reinterpret_cast<HWND>(SendMessageA(Window(), LVM_GETHEADER, 0, 0));
        RECT item{};
        SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&item));
        POINT point = Middle(item);
        MapWindowPoints(header, Window(), &point, 1);
        ClickAt(point);
    }

private:
    RECT ItemRect(int row, int part) const {
        RECT rect{};
        rect.left = part;
        SendMessageA(Window(), LVM_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    POINT TextPoint(int row) const override { return Middle(ItemRect(row, LVIR_LABEL)); }
    // The middle of the points of the row that hit-test as its box.
    POINT BoxPoint(int row) const override {
        RECT bounds = ItemRect(row, LVIR_BOUNDS);
        LVHITTESTINFO hit{};
        hit.pt.y = (bounds.top + bounds.bottom) / 2;
        int first = -1, last = -1;
        for (int x = bounds.left; x < bounds.right && (first < 0 || last == x - 1); ++x) {
            hit.pt.x = x;
            SendMessageA(Window(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.iItem == row && (hit.flags & LVHT_ONITEMSTATEICON)) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        return {(first + last) / 2, hit.pt.y};
    }
};

class Win32CheckListInput final : public Win32BoxListInput<BoxListInput> {
public:
    using Win32BoxListInput::Win32BoxListInput;

private:
    RECT ItemRect(int index) const {
        RECT rect{};
        SendMessageA(Window(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // The box is the square at the item's left end.
    POINT BoxPoint(int index) const override {
        RECT item = ItemRect(index);
        int size = item.bottom - item.top;
        return {item.left + size / 2, item.top + size / 2};
    }
    POINT TextPoint(int index) const override { return Middle(ItemRect(index)); }
};

// The sheet's tree of pages.
class Win32TreeInput final : public Win32InputControl {
public:
    using Win32InputControl::Win32InputControl;
    // A click on the text of the index-th item from the top.
    void ClickItem(size_t index) const {
        auto item =
            reinterpret_cast<HTREEITEM>(SendMessageA(Window(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
        for (; item && index > 0; --index)
            item = reinterpret_cast<HTREEITEM>(
                SendMessageA(Window(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
        RECT text{}; // TVM_GETITEMRECT takes the item in the rectangle's place
        std::memcpy(&text, &item, sizeof item);
        SendMessageA(Window(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text));
        ClickAt(Middle(text));
    }
};

} // namespace

Win32DialogInput::Win32DialogInput(HWND dialog, Delivery delivery)
    : dialog_(dialog), delivery_(delivery) {}

Win32DialogInput::~Win32DialogInput() = default;

template <typename Input> Input& Win32DialogInput::Find(int controlId) {
    std::unique_ptr<Win32InputControl>& control = controls_[controlId];
    if (!control)
        control = std::make_unique<Input>(GetDlgItem(dialog_, controlId), delivery_);
    return dynamic_cast<Input&>(*control);
}

ButtonInput& Win32DialogInput::Button(int controlId) {
    return Find<Win32ButtonInput>(controlId);
}

ComboBoxInput& Win32DialogInput::ComboBox(int controlId) {
    return Find<Win32ComboBoxInput>(controlId);
}

EditInput& Win32DialogInput::Edit(int controlId) {
    return Find<Win32EditInput>(controlId);
}

ListViewInput& Win32DialogInput::ListView(int controlId) {
    return Find<Win32ListViewInput>(controlId);
}

BoxListInput& Win32DialogInput::CheckList(int controlId) {
    return Find<Win32CheckListInput>(controlId);
}

void Win32SheetInput::ChoosePage(size_t index) {
    Win32TreeInput(GetDlgItem(sheet_, treeId_), Delivery::Handled).ClickItem(index);
}

void Win32SheetInput::PressHelp() {
    Press(VK_F1);
    HandleMessages();
}

void Win32SheetInput::PressEscape() {
    Press(VK_ESCAPE);
    HandleMessages();
}

} // namespace platform
