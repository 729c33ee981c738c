// How a dialog's controls report to it: WM_COMMAND and WM_NOTIFY, with the notification codes
// the pages handle. A page (or the sheet) receives them through its message map.
#pragma once

#include <cstdint>

namespace platform {

// WM_COMMAND notification codes.
constexpr int kBnClicked = 0;
constexpr int kCbnSelChange = 1;
constexpr int kLbnSelChange = 1;
constexpr int kClbnChkChange = 40; // a check list's box changed
// WM_NOTIFY codes of a list view.
constexpr int kNmClick = -2;
constexpr int kNmDblClk = -3;
constexpr int kLvnColumnClick = -108;
constexpr int kLvnKeyDown = -155;

constexpr uint16_t kVkControl = 0x11;
constexpr uint16_t kVkSpace = 0x20;

struct ControlNotification {
    int controlId;
    int code;
    int column = -1;  // LVN_COLUMNCLICK: the clicked column
    uint16_t key = 0; // LVN_KEYDOWN: the virtual key
};

class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    // WM_COMMAND from control controlId; false when nothing handles it.
    virtual bool OnCommand(int controlId, int code) = 0;
    // WM_NOTIFY; the result goes back to the control (0 when nothing handles it).
    virtual intptr_t OnNotify(const ControlNotification& notification) = 0;
};

} // namespace platform
