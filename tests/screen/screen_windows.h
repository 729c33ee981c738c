// Finding this thread's windows, and answering the system's file dialogs.
#pragma once

#include "platform/win32/windows_support.h"

#include <string>
#include <vector>

namespace kelvd::test {

// The visible dialogs (class "#32770") this thread owns at the top level.
std::vector<HWND> ThreadDialogs();
// The settings sheet (the dialog with the page tree); null when it is not open.
HWND FindSheet();
// A common file dialog (a dialog with a file-name field); null when none is open.
HWND FindFileDialog();

std::string ControlText(HWND dialog, int controlId);

// The sheet's page with caption, a child dialog of the sheet.
HWND FindPage(HWND sheet, const std::string& caption);
// The captions of the tree's items, in order.
std::vector<std::string> TreeCaptions(HWND sheet);
// Answers a file dialog with path and OK.
void AnswerFileDialog(HWND fileDialog, const std::string& path);

} // namespace kelvd::test
