// The common open and save file dialogs, as the pages and the sheet ask for a file.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// OPENFILENAME flags.
constexpr uint32_t kOfnOverwritePrompt = 0x0002;
constexpr uint32_t kOfnHideReadOnly = 0x0004;
constexpr uint32_t kOfnPathMustExist = 0x0800;
constexpr uint32_t kOfnFileMustExist = 0x1000;

struct FileDialogRequest {
    bool open = true;             // an open dialog, else a save dialog
    std::string filter;           // "Name|pattern|...||", as the string table holds them
    std::string defaultExtension; // without the dot
    uint32_t flags = 0;
};

} // namespace platform
