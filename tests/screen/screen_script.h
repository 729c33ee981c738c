// Acting on the settings sheet as a user would, from a thread timer that fires inside whichever
// modal loop runs: the sheet's own, or a file dialog's opened from it.
#pragma once

#include "platform/win32/windows_support.h"

#include <deque>
#include <functional>
#include <string>

namespace kelvd::test {

// Runs actions on the sheet once it is shown; a file dialog gets the next queued path; a sheet
// still open after a minute fails the test and is cancelled.
class ScreenScript {
public:
    explicit ScreenScript(std::function<void(HWND sheet)> actions);
    ~ScreenScript();
    ScreenScript(const ScreenScript&) = delete;
    ScreenScript& operator=(const ScreenScript&) = delete;

    std::deque<std::string> answers;
    bool done = false; // whether the actions have run to their end

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();

    static inline ScreenScript* current = nullptr;
    std::function<void(HWND)> actions_;
    int ticks_ = 0;
    bool running_ = false;
    UINT_PTR timer_;
};

} // namespace kelvd::test
