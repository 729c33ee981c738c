// The user's input to windows on the screen, made of real mouse and keyboard input (SendInput):
// the cursor is moved to the point that the control hit-tests as the part to click, so that
// GetCursorPos and GetMessagePos agree with the click, and keys are pressed with the focus on the
// control. After each action this thread's messages are handled until the input has been dealt
// with; an action made with Delivery::Queued leaves that to the message loop that runs next
// (for a click that opens a modal window, whose loop must run it).
#pragma once

#include "platform/headless/user_input.h"

#include <windows.h>

#include <map>
#include <memory>

namespace kelvd::test {

enum class Delivery { Handled, Queued };

// Handles this thread's messages (as a dialog's loop does) until none has come for a while.
void HandleMessages();

class ScreenControl;

class ScreenDialogInput final : public platform::DialogInput {
public:
    explicit ScreenDialogInput(HWND dialog, Delivery delivery = Delivery::Handled);
    ~ScreenDialogInput() override;

    platform::ButtonInput& Button(int controlId) override;
    platform::ComboBoxInput& ComboBox(int controlId) override;
    platform::EditInput& Edit(int controlId) override;
    platform::ListViewInput& ListView(int controlId) override;
    platform::CheckListInput& CheckList(int controlId) override;

private:
    template <typename Input> Input& Find(int controlId);

    HWND dialog_;
    Delivery delivery_;
    std::map<int, std::unique_ptr<ScreenControl>> controls_;
};

class ScreenSheetInput final : public platform::SheetInput {
public:
    explicit ScreenSheetInput(HWND sheet, int treeId) : sheet_(sheet), treeId_(treeId) {}

    void ChoosePage(size_t index) override;
    void PressHelp() override;
    void PressEscape() override;

private:
    HWND sheet_;
    int treeId_;
};

} // namespace kelvd::test
