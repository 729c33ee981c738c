#include "screen/screen_script.h"

#include "screen/screen_windows.h"

#include <gtest/gtest.h>

namespace kelvd::test {

namespace {

constexpr UINT kTickMs = 20;
constexpr int kMaxTicks = 1500; // 30 seconds
ScreenScript* current = nullptr;

} // namespace

ScreenScript::ScreenScript() : timer_(SetTimer(nullptr, 0, kTickMs, Tick)) {
    current = this;
}

ScreenScript::~ScreenScript() {
    KillTimer(nullptr, timer_);
    current = nullptr;
}

ScreenScript& ScreenScript::Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

ScreenScript& ScreenScript::Do(std::function<void()> action) {
    return Then([action = std::move(action)] {
        action();
        return true;
    });
}

bool ScreenScript::Completed() {
    while (!Finished() && steps_[next_]())
        ++next_;
    return Finished();
}

void CALLBACK ScreenScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current && !current->running_)
        current->RunNext();
}

void ScreenScript::RunNext() {
    running_ = true;
    if (++ticks_ > kMaxTicks) {
        if (ticks_ == kMaxTicks + 1)
            ADD_FAILURE() << "the script stopped at step " << next_ + 1 << " of " << steps_.size();
        CancelEveryDialog();
    } else if (!Finished() && steps_[next_]()) {
        ++next_;
    }
    running_ = false;
}

void ScreenScript::CancelEveryDialog() {
    for (HWND dialog : ThreadDialogs())
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

} // namespace kelvd::test
