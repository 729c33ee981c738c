#include "platform/message_box.h"

#include "platform/win32/windows_support.h"

namespace platform {

static_assert(kMbOk == MB_OK && kMbIconHand == MB_ICONHAND && kIdOk == IDOK &&
              kIdCancel == IDCANCEL);

namespace {

class Win32MessageBoxes final : public MessageBoxes {
public:
    int Show(WindowHandle owner, const char* text, const char* caption, uint32_t type) override {
        return ::MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, type);
    }
};

} // namespace

MessageBoxes& nativeMessageBoxes() {
    static Win32MessageBoxes instance;
    return instance;
}

} // namespace platform
