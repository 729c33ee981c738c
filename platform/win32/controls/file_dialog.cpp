#include "platform/win32/controls/file_dialog.h"

#include <commdlg.h>

#include <algorithm>

namespace platform {

static_assert(kOfnOverwritePrompt == OFN_OVERWRITEPROMPT && kOfnHideReadOnly == OFN_HIDEREADONLY &&
              kOfnPathMustExist == OFN_PATHMUSTEXIST && kOfnFileMustExist == OFN_FILEMUSTEXIST);

bool ShowFileDialog(HWND owner, const FileDialogRequest& request, std::string* path) {
    // The filter's '|' separators become the NULs the dialog expects; the trailing "||" ends it.
    std::string filter = request.filter + std::string(2, '\0');
    std::replace(filter.begin(), filter.end(), '|', '\0');
    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrDefExt =
        request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = request.flags;
    bool chosen = request.open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (chosen)
        *path = file;
    return chosen;
}

} // namespace platform
