// What a user does to the sheet and to the controls of its dialogs, as a test acts it out. The
// headless controls do it to themselves; a driver of real mouse and keyboard input does it to the
// windows on the screen; either way the control then behaves as it does by itself and reports
// what it reports, so one test body runs on both.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

class ButtonInput {
public:
    virtual ~ButtonInput() = default;
    virtual void Click() = 0;
};

class ComboBoxInput {
public:
    virtual ~ComboBoxInput() = default;
    // Drops the list down and clicks the item at index.
    virtual void Choose(int index) = 0;
};

class EditInput {
public:
    virtual ~EditInput() = default;
    // Selects the whole text and types text over it.
    virtual void Type(const std::string& text) = 0;
};

// A list whose items each have a box: a list view's rows, a check list's items.
class BoxListInput {
public:
    virtual ~BoxListInput() = default;
    // A click on the item's text, beside its box.
    virtual void ClickItem(int index) = 0;
    // The same with the control key held down.
    virtual void ControlClickItem(int index) = 0;
    virtual void ClickCheckBox(int index) = 0;
    virtual void DoubleClickCheckBox(int index) = 0;
    // The space bar, with the focus on the list.
    virtual void PressSpace() = 0;
};

class ListViewInput : public BoxListInput {
public:
    // A click on the heading of a column.
    virtual void ClickColumn(int column) = 0;
};

// The controls of one dialog by id, as the user reaches them.
class DialogInput {
public:
    virtual ~DialogInput() = default;
    virtual ButtonInput& Button(int controlId) = 0;
    virtual ComboBoxInput& ComboBox(int controlId) = 0;
    virtual EditInput& Edit(int controlId) = 0;
    virtual ListViewInput& ListView(int controlId) = 0;
    virtual BoxListInput& CheckList(int controlId) = 0;
};

// What the user does to the sheet itself.
class SheetInput {
public:
    virtual ~SheetInput() = default;
    // A click on the item of the page made index-th in the tree.
    virtual void ChoosePage(size_t index) = 0;
    // F1 and Escape, with the focus in the sheet.
    virtual void PressHelp() = 0;
    virtual void PressEscape() = 0;
};

} // namespace platform
