// Acts on the sheet that ConfigureKELVD puts on the screen as a user would, from a thread timer:
// the timer fires inside whichever modal loop is running (the sheet's, a file dialog's), and once
// the sheet is up it runs the user's actions, which end with a click that closes the sheet. A file
// dialog opened meanwhile takes the next path queued for it. A sheet still open after a while
// fails the test and is cancelled, so that the run ends.
#pragma once

#include "platform/win32/windows_support.h"

#include <deque>
#include <functional>
#include <string>

namespace kelvd::test {

class ScreenScript {
public:
    explicit ScreenScript(std::function<void(HWND sheet)> actions);
    ~ScreenScript();
    ScreenScript(const ScreenScript&) = delete;
    ScreenScript& operator=(const ScreenScript&) = delete;

    // The path the next file dialog is answered with.
    void AnswerFileDialog(std::string path) { answers_.push_back(std::move(path)); }
    // Whether the actions have run to their end.
    bool Done() const { return done_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();

    std::function<void(HWND)> actions_;
    std::deque<std::string> answers_;
    int ticks_ = 0;
    bool running_ = false;
    bool done_ = false;
    UINT_PTR timer_;
};

} // namespace kelvd::test
