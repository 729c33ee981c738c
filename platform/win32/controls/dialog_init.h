// A dialog's initialisation data: the resource of type 240 with the dialog template's id, whose
// records (control id, message, data length, data; a zero control id ends them) give the items
// the dialog's combo boxes start with.
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform {

// Adds the combo-box items of templateId's initialisation data in module to dialog's controls.
// A dialog without such data gets nothing; a record running past the end of the data ends them.
void AddDialogInitItems(HMODULE module, uint32_t templateId, HWND dialog);

} // namespace platform
