// What makes the settings sheet's windows: a front end runs a modal sheet, makes its page
// windows when the sheet asks for them, and delivers the user's actions to the sheet and the
// pages as calls. The sheet and the pages are written against this alone, so that any front end
// (windows on the screen, or headless in-memory controls) runs them unchanged.
//
// A front end's RunModal:
//   1. makes the sheet's window from the layout's template with title as its caption;
//   2. calls host.OnInitSheet(window), during which the host makes every page window with
//      window.CreatePage (in the order the pages are listed) and shows one with ShowPage;
//   3. delivers the user's actions until window.End is called: commands of the sheet's own
//      controls (IDOK, IDCANCEL, and its other buttons) to host.OnCommand, WM_HELP to
//      host.OnHelp, a choice of page to host.OnSelectPage, and each page's control events to
//      the ControlEvents given with its CreatePage;
//   4. destroys the windows and returns the result given to End.
#pragma once

#include "platform/controls/control_events.h"
#include "platform/controls/dialog_window.h"
#include "platform/override.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

class SheetWindow : public DialogWindow {
public:
    // Makes the window of a page, a child of the sheet, from its dialog template; its controls
    // report to events.
    virtual DialogWindow& CreatePage(uint32_t templateId, ControlEvents& events) = 0;
    // Shows the page made index-th (from 0) in the placeholder, hiding the others.
    virtual void ShowPage(size_t index) = 0;
    // Ends the modal run with result (EndDialog).
    virtual void End(int result) = 0;
};

// The sheet's dialog template and the ids of its tree of pages, of the caption of the page shown
// and of the placeholder the page is shown in.
struct SheetLayout {
    uint32_t templateId;
    int treeId;
    int captionId;
    int placeholderId;
};

class SheetHost : public ControlEvents {
public:
    // The sheet's WM_INITDIALOG; the result as a dialog's (whether the focus is set by default).
    virtual bool OnInitSheet(SheetWindow& window) = 0;
    // WM_HELP.
    virtual void OnHelp() = 0;
    // The user chose the page made index-th in the tree; the host shows it (ShowPage) or keeps
    // the current one.
    virtual void OnSelectPage(size_t index) = 0;
};

class SheetFrontEnd {
public:
    virtual ~SheetFrontEnd() = default;
    // Runs the sheet modally; the result given to End, or -1 when the sheet's window cannot be
    // made.
    virtual int RunModal(const std::string& title, const SheetLayout& layout, SheetHost& host) = 0;
};

SheetFrontEnd& sheetFrontEnd();
SheetFrontEnd& nativeSheetFrontEnd();
using ScopedSheetFrontEnd = Override<SheetFrontEnd>;

} // namespace platform
