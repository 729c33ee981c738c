// The open sheet's tree of pages as a host reads it: its items in order and their captions.
#pragma once

#include "platform/win32/windows_support.h"

#include <commctrl.h>

#include <string>

namespace kwhost {

// The item after page in the tree, the first one when page is null; null after the last.
HTREEITEM NextPage(HWND sheet, HTREEITEM page);
std::string PageCaption(HWND sheet, HTREEITEM page);

} // namespace kwhost
