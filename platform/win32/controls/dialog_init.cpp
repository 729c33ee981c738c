#include "platform/win32/controls/dialog_init.h"

#include "platform/little_endian.h"

#include <cstring>
#include <string>

namespace platform {

void AddDialogInitItems(HMODULE module, uint32_t templateId, HWND dialog) {
    HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDialogInitType));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    size_t size = data ? SizeofResource(module, found) : 0;
    constexpr size_t kHeader = 8;
    for (size_t at = 0; at + kHeader <= size;) {
        uint16_t controlId = LoadUint16(data + at);
        uint16_t message = LoadUint16(data + at + 2);
        uint32_t length = LoadUint32(data + at + 4);
        if (controlId == 0 || length > size - at - kHeader)
            break;
        const char* text = reinterpret_cast<const char*>(data + at + kHeader);
        if (message == kDialogInitAddString)
            SendDlgItemMessageA(
                dialog, controlId, CB_ADDSTRING, 0,
                reinterpret_cast<LPARAM>(std::string(text, strnlen(text, length)).c_str()));
        at += kHeader + length;
    }
}

} // namespace platform
