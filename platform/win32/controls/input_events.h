// Real mouse and keyboard input (SendInput), as a user makes it, and the handling of this
// thread's messages until that input has been dealt with: what the tests' input to window
// controls (win32_user_input.h) is made of.
#pragma once

#include "platform/win32/windows_support.h"

namespace platform {

// Handles this thread's messages (as a dialog's loop does) until none has come for a while.
void HandleMessages();

// A key going down (flags 0) or up (KEYEVENTF_KEYUP); a key pressed and let go.
void Key(WORD key, DWORD flags = 0);
void Press(WORD key);
// A character typed as the keyboard sends one it has no key for.
void TypeCharacter(char character);
// The middle of a rectangle.
POINT Middle(const RECT& rect);
// Clicks count times at a point of the screen, the cursor moved there first, with key (such as
// the control key) held down unless it is 0. A click of its own is never taken for the second of
// a double click.
void ClickOnScreen(POINT point, int count, WORD key);

} // namespace platform
