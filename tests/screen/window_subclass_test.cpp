// Subclassing on a real window: the new procedure first and once, the replaced one for the rest,
// and put back by the window's last message.
#include "platform/win32/controls/window_subclass.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<UINT> seen;
LONG_PTR ownProcedure = 0;
bool putBack = false;

constexpr UINT kProbe = WM_APP + 1;

LRESULT CALLBACK Recording(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe) {
        seen.push_back(message);
        return 7;
    }
    if (message != WM_NCDESTROY)
        return platform::CallReplacedProcedure(window, message, wParam, lParam);
    seen.push_back(message);
    LRESULT result = platform::CallReplacedProcedure(window, message, wParam, lParam);
    putBack = GetWindowLongPtrA(window, GWLP_WNDPROC) == ownProcedure;
    return result;
}

TEST(WindowSubclass, DefaultAnswerBeforeThenNewProcedureFirstOnceAndTheReplacedOneForTheRest) {
    seen.clear();
    HWND window =
        CreateWindowExA(0, "Static", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(DefWindowProcA(window, WM_GETTEXTLENGTH, 0, 0),
              platform::CallReplacedProcedure(window, WM_GETTEXTLENGTH, 0, 0));
    ownProcedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
    platform::SubclassWindow(window, Recording);
    platform::SubclassWindow(window, Recording);

    EXPECT_EQ(7, SendMessageA(window, kProbe, 0, 0));
    EXPECT_EQ(std::vector<UINT>{kProbe}, seen);
    SetWindowTextA(window, "kept");
    char text[8] = "";
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ("kept", text);

    DestroyWindow(window);
    EXPECT_EQ((std::vector<UINT>{kProbe, WM_NCDESTROY}), seen);
    EXPECT_TRUE(putBack);
}

} // namespace
