// The user's input to windows on the screen, made of real mouse and keyboard input (SendInput),
// as tests act out what a user does to the window controls; it is no part of the library:
// the cursor is moved to the point that the control hit-tests as the part to click, so that
// GetCursorPos and GetMessagePos agree with the click, and keys are pressed with the focus on the
// control. After each action this thread's messages are handled until the input has been dealt
// with; an action made with Delivery::Queued leaves that to the message loop that runs next
// (for a click that opens a modal window, whose loop must run it).
#pragma once

#include "platform/controls/user_input.h"
#include "platform/win32/controls/input_events.h"
#include "platform/win32/windows_support.h"

#include <map>
#include <memory>

namespace platform {

enum class Delivery { Handled, Queued };

class Win32InputControl;

class Win32DialogInput final : public DialogInput {
public:
    explicit Win32DialogInput(HWND dialog, Delivery delivery = Delivery::Handled);
    ~Win32DialogInput() override;

    ButtonInput& Button(int controlId) override;
    ComboBoxInput& ComboBox(int controlId) override;
    EditInput& Edit(int controlId) override;
    ListViewInput& ListView(int controlId) override;
    BoxListInput& CheckList(int controlId) override;

private:
    template <typename Input> Input& Find(int controlId);

    HWND dialog_;
    Delivery delivery_;
    std::map<int, std::unique_ptr<Win32InputControl>> controls_;
};

class Win32SheetInput final : public SheetInput {
public:
    explicit Win32SheetInput(HWND sheet, int treeId) : sheet_(sheet), treeId_(treeId) {}

    void ChoosePage(size_t index) override;
    void PressHelp() override;
    void PressEscape() override;

private:
    HWND sheet_;
    int treeId_;
};

} // namespace platform
