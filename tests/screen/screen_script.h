// Acting on the settings sheet as a user would, from a thread timer that fires inside whichever
// modal loop runs: the sheet's own, or a file dialog's opened from it.
#pragma once

#include "platform/win32/windows_support.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kelvd::test {

// Runs actions on the sheet once it is shown; a file dialog gets the next queued path; a sheet
// still open after a minute fails the test and is cancelled.
class ScreenScript {
public:
    explicit ScreenScript(std::function<void(HWND sheet)> actions)
        : actions_(std::move(actions)), timer_(SetTimer(nullptr, 0, 20, Tick)) {
        current = this;
    }
    ~ScreenScript() {
        KillTimer(nullptr, timer_);
        current = nullptr;
    }
    ScreenScript(const ScreenScript&) = delete;
    ScreenScript& operator=(const ScreenScript&) = delete;

    std::deque<std::string> answers;
    bool done = false; // whether the actions have run to their end

private:
    // The visible dialogs (class "#32770") this thread owns at the top level.
    static std::vector<HWND> ThreadDialogs() {
        std::vector<HWND> dialogs;
        for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", nullptr));)
            if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
                IsWindowVisible(window))
                dialogs.push_back(window);
        return dialogs;
    }
    // The first of them holding a control of one of ids, and that control; null when none does.
    static HWND DialogWith(std::initializer_list<int> ids, HWND* control = nullptr) {
        for (HWND dialog : ThreadDialogs())
            for (int id : ids)
                if (HWND found = GetDlgItem(dialog, id)) {
                    if (control)
                        *control = found;
                    return dialog;
                }
        return nullptr;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current)
            current->OnTick();
    }
    void OnTick() {
        HWND name = nullptr;
        HWND fileDialog = DialogWith({0x47C, 0x480}, &name); // cmb13, edt1
        if (fileDialog && !answers.empty()) {
            SetWindowTextA(name, answers.front().c_str());
            answers.pop_front();
            PostMessageA(fileDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(fileDialog, IDOK)));
        } else if (++ticks_ == 3000) {
            ADD_FAILURE() << "the sheet is still open";
            for (HWND dialog : ThreadDialogs())
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        } else if (HWND sheet = DialogWith({IDC_PAGE_TREE}); sheet && !running_ && !done) {
            running_ = true; // the actions run this thread's messages, and so this timer, again
            actions_(sheet);
            done = true;
        }
    }

    static inline ScreenScript* current = nullptr;
    std::function<void(HWND)> actions_;
    int ticks_ = 0;
    bool running_ = false;
    UINT_PTR timer_;
};

} // namespace kelvd::test
