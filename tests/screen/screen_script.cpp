#include "screen/screen_script.h"

#include "screen/screen_windows.h"

#include <gtest/gtest.h>

namespace kelvd::test {

namespace {

constexpr UINT kTickMs = 20;
constexpr int kMaxTicks = 3000; // 60 seconds
ScreenScript* current = nullptr;

} // namespace

ScreenScript::ScreenScript(std::function<void(HWND sheet)> actions)
    : actions_(std::move(actions)), timer_(SetTimer(nullptr, 0, kTickMs, Tick)) {
    current = this;
}

ScreenScript::~ScreenScript() {
    KillTimer(nullptr, timer_);
    current = nullptr;
}

void CALLBACK ScreenScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current)
        current->OnTick();
}

void ScreenScript::OnTick() {
    HWND fileDialog = FindFileDialog();
    if (fileDialog && !answers_.empty()) {
        kelvd::test::AnswerFileDialog(fileDialog, answers_.front());
        answers_.pop_front();
    } else if (++ticks_ == kMaxTicks) {
        ADD_FAILURE() << "the sheet is still open";
        for (HWND dialog : ThreadDialogs())
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    } else if (HWND sheet = FindSheet(); sheet && !running_ && !done_) {
        running_ = true; // the actions run this thread's messages, and so this timer, again
        actions_(sheet);
        done_ = true;
    }
}

} // namespace kelvd::test
