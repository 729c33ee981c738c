// The common open and save dialogs (GetOpenFileNameA, GetSaveFileNameA).
#pragma once

#include "platform/controls/file_dialog.h"

#include "platform/win32/windows_support.h"

#include <string>

namespace platform {

// Shows the dialog request asks for, owned by owner; true, with the chosen path, on OK.
bool ShowFileDialog(HWND owner, const FileDialogRequest& request, std::string* path);

} // namespace platform
