// Finding this thread's windows and acting on them with window messages only.
#pragma once

#include "platform/win32/windows_support.h"

#include <string>
#include <vector>

namespace kelvd::test {

// The visible dialogs (class "#32770") this thread owns at the top level.
std::vector<HWND> ThreadDialogs();
// The settings sheet (the dialog with the page tree); null when it is not open.
HWND FindSheet();
// A message box (a dialog with the message text, static 0xFFFF); null when none is open.
HWND FindMessageBox();
// A common file dialog (a dialog with a file-name field); null when none is open.
HWND FindFileDialog();

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int controlId);

// The sheet's page with caption, a child dialog of the sheet.
HWND FindPage(HWND sheet, const std::string& caption);
// The captions of the tree's items, in order.
std::vector<std::string> TreeCaptions(HWND sheet);
// Selects the tree's index-th item, as a click on it does.
void ChooseTreeItem(HWND sheet, size_t index);

// A click on button controlId of dialog, posted (for a click that opens a modal window).
void PressButton(HWND dialog, int controlId);
// A click on button controlId of dialog, sent: done when it returns.
void ClickButton(HWND dialog, int controlId);
// Types text into edit controlId of dialog (its whole text).
void TypeText(HWND dialog, int controlId, const std::string& text);
// Answers a file dialog with path and OK.
void AnswerFileDialog(HWND fileDialog, const std::string& path);

// The list view's rows: select rows alone, then press the space bar on it.
void SpaceOnListRows(HWND listView, const std::vector<int>& rows);
// Whether a list view row's box is checked.
bool ListRowChecked(HWND listView, int row);
int FindListRow(HWND listView, const std::string& text);
// A click on the box of a check list's item; the box state of an item.
void ClickCheckListBox(HWND list, int item);
int CheckListBox(HWND list, int item);

} // namespace kelvd::test
