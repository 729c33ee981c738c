// Acts on the windows of this thread as a user would, from a thread timer: the timer fires inside
// whichever modal loop is running (the sheet's, a message box's, a file dialog's), and each tick
// runs the next step. A step returns false to be tried again on the next tick (a window it waits
// for is not there yet). Steps that open a modal window post their messages rather than send
// them, so that the next tick is not held up. A script that has not finished in time fails the
// test and cancels every dialog of the thread, so that the run ends.
#pragma once

#include "platform/win32/windows_support.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvd::test {

class ScreenScript {
public:
    using Step = std::function<bool()>;

    ScreenScript();
    ~ScreenScript();
    ScreenScript(const ScreenScript&) = delete;
    ScreenScript& operator=(const ScreenScript&) = delete;

    ScreenScript& Then(Step step);
    // A step that does action and is done.
    ScreenScript& Do(std::function<void()> action);
    // Whether every step has run, after running those left once more (a step waiting for the
    // windows to go is done once the run has returned).
    bool Completed();

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void RunNext();
    bool Finished() const { return next_ == steps_.size(); }
    static void CancelEveryDialog();

    std::vector<Step> steps_;
    size_t next_ = 0;
    int ticks_ = 0;
    bool running_ = false;
    UINT_PTR timer_;
};

} // namespace kelvd::test
