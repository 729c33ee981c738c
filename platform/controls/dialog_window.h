// The window of a dialog (the sheet or one of its pages) as its code sees it: a handle that owns
// message boxes, the controls of its template by id (what DDX_Control binds), the cursor and the
// file dialogs. A front end makes the window and its controls; the code never creates either.
#pragma once

#include "platform/controls/button_control.h"
#include "platform/controls/check_list_control.h"
#include "platform/controls/combo_box_control.h"
#include "platform/controls/cursor_control.h"
#include "platform/controls/edit_control.h"
#include "platform/controls/file_dialog.h"
#include "platform/controls/list_view_control.h"
#include "platform/message_box.h"

namespace platform {

class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    virtual WindowHandle Handle() const = 0;

    // The control of the template with id controlId, of the kind asked for.
    virtual ButtonControl& Button(int controlId) = 0;
    virtual EditControl& Edit(int controlId) = 0;
    virtual ComboBoxControl& ComboBox(int controlId) = 0;
    virtual ListViewControl& ListView(int controlId) = 0;
    virtual CheckListControl& CheckList(int controlId) = 0;

    virtual CursorControl& Cursor() = 0;
    // Shows a modal file dialog owned by this window; true, with the chosen full path, when it
    // ended with OK.
    virtual bool ChooseFile(const FileDialogRequest& request, std::string* path) = 0;
};

} // namespace platform
