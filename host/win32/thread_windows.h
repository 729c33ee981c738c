// The windows kwhost's walk looks for on its own thread: the open sheet, the message boxes it
// shows, and the list boxes of the sheet's current page.
#pragma once

#include "platform/win32/windows_support.h"

#include <string>
#include <vector>

namespace kwhost {

std::string TextOf(HWND window);
// The top-level windows of the host's thread: the sheet and the message boxes it shows.
std::vector<HWND> ThreadWindows();
// The visible sheet with this caption: a window with the page tree.
bool IsSheet(HWND window, const std::string& title);
// A visible standard message box, and its text.
bool IsMessageBox(HWND window);
std::string MessageText(HWND box);
// The visible list box of the sheet's current page with id controlId; null when the page has none.
HWND ShownList(HWND sheet, int controlId);
// A caption as the name part of a picture's file: "Select Driver APIs" becomes
// "select-driver-apis".
std::string FileNamePart(const std::string& caption);

} // namespace kwhost
