// Message boxes: the only way the library reports anything to the user.
#pragma once

#include "platform/override.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A window (an HWND on Windows); 0 for none.
using WindowHandle = std::uintptr_t;

constexpr uint32_t kMbOk = 0x00;
constexpr uint32_t kMbIconHand = 0x10;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // MessageBoxA: shows text with caption (null for the default caption) and the style bits of
    // type; the id of the button that closed it.
    virtual int Show(WindowHandle owner, const char* text, const char* caption, uint32_t type) = 0;
};

// Message boxes that are recorded instead of shown, each closed at once with OK: what runs
// without a display (the Linux substitute, and tests on every platform).
class RecordedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        WindowHandle owner;
        std::string text;
        std::string caption; // empty for the default caption
        uint32_t type;
    };

    int Show(WindowHandle owner, const char* text, const char* caption, uint32_t type) override {
        shown.push_back({owner, text, caption ? caption : "", type});
        return kIdOk;
    }

    std::vector<Shown> shown;
};

MessageBoxes& messageBoxes();
MessageBoxes& nativeMessageBoxes();
using ScopedMessageBoxes = Override<MessageBoxes>;

} // namespace platform
