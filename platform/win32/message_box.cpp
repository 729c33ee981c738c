#include "platform/message_box.h"

#include <windows.h>

namespace platform {

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
