// A dialog's message map: which of its operations handles a command or a notification of which
// control. Every front end delivers the controls' events to the dialog's OnCommand and OnNotify,
// which look the handler up here.
#pragma once

#include "platform/controls/control_events.h"

#include <cstdint>
#include <initializer_list>

namespace kelvd {

template <typename Dialog> struct CommandEntry {
    int controlId;
    int code;
    void (Dialog::*handler)();
};

template <typename Dialog> struct NotifyEntry {
    int controlId;
    int code;
    intptr_t (Dialog::*handler)(const platform::ControlNotification&);
};

// Runs the handler of the command; false when the map has none.
template <typename Dialog>
bool DispatchCommand(Dialog& dialog, std::initializer_list<CommandEntry<Dialog>> map, int controlId,
                     int code) {
    for (const CommandEntry<Dialog>& entry : map) {
        if (entry.controlId == controlId && entry.code == code) {
            (dialog.*entry.handler)();
            return true;
        }
    }
    return false;
}

// Runs the handler of the notification and gives its result; 0 when the map has none.
template <typename Dialog>
intptr_t DispatchNotify(Dialog& dialog, std::initializer_list<NotifyEntry<Dialog>> map,
                        const platform::ControlNotification& notification) {
    for (const NotifyEntry<Dialog>& entry : map)
        if (entry.controlId == notification.controlId && entry.code == notification.code)
            return (dialog.*entry.handler)(notification);
    return 0;
}

} // namespace kelvd
