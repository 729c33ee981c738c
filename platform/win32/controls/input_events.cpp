#include "platform/win32/controls/input_events.h"

#include <cstdlib>

namespace platform {

namespace {

constexpr int kQuietRounds = 4; // rounds without a message before the input counts as handled
constexpr DWORD kRoundMs = 5;

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
}

void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    Send(input);
}

// Where and when the last click was made.
POINT lastClick{-1000, -1000};
DWORD lastClickTime = 0;

// A click at the place of the one before, within the double-click time, would make the two a
// double click: so a click of its own first lets that time pass.
void AwaitSingleClick(POINT point) {
    bool nearby = std::abs(point.x - lastClick.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                  std::abs(point.y - lastClick.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    DWORD elapsed = GetTickCount() - lastClickTime;
    if (nearby && elapsed <= GetDoubleClickTime())
        Sleep(GetDoubleClickTime() - elapsed + kRoundMs);
}

} // namespace

void Key(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    Send(input);
}

void Press(WORD key) {
    Key(key);
    Key(key, KEYEVENTF_KEYUP);
}

void TypeCharacter(char character) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<unsigned char>(character);
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    Send(input);
    input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    Send(input);
}

POINT Middle(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void HandleMessages() {
    for (int quiet = 0; quiet < kQuietRounds; ++quiet) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            quiet = 0;
            HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
            if (!root || !IsDialogMessageA(root, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        Sleep(kRoundMs);
    }
}

void ClickOnScreen(POINT point, int count, WORD key) {
    AwaitSingleClick(point);
    SetCursorPos(point.x, point.y);
    Mouse(MOUSEEVENTF_MOVE);
    if (key)
        Key(key);
    for (int click = 0; click < count; ++click) {
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
    }
    if (key)
        Key(key, KEYEVENTF_KEYUP);
    lastClick = point;
    lastClickTime = GetTickCount();
}

} // namespace platform
