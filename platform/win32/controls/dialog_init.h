// A dialog's initialisation data: the resource of type 240 with the dialog template's id, whose
// records (control id, message, data length, data; a zero control id ends them) give the items
// the dialog's combo boxes start with.
#pragma once

#include "platform/win32/windows_support.h"

#include <cstdint>

namespace platform {

// The resource type of initialisation data, and the message its combo-box records carry (the
// 16-bit CB_ADDSTRING that resource compilers write).
constexpr WORD kDialogInitType = 240;
constexpr WORD kDialogInitAddString = 0x0403;

// Adds the combo-box items of templateId's initialisation data in module to dialog's controls.
// A dialog without such data gets nothing; a record running past the end of the data ends them.
void AddDialogInitItems(HMODULE module, uint32_t templateId, HWND dialog);

} // namespace platform
