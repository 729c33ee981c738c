// How an in-memory control reports what the user did to it: to its dialog's ControlEvents, under
// its control id, as a real control sends WM_COMMAND and WM_NOTIFY to its parent.
#pragma once

#include "platform/controls/control_events.h"

namespace platform {

class ControlReporter {
public:
    ControlReporter(int controlId, ControlEvents& events)
        : controlId_(controlId), events_(events) {}

protected:
    void Command(int code) const { events_.OnCommand(controlId_, code); }
    intptr_t Notify(ControlNotification notification) const {
        notification.controlId = controlId_;
        return events_.OnNotify(notification);
    }

private:
    int controlId_;
    ControlEvents& events_;
};

// EnableWindow and IsWindowEnabled over a flag, for an in-memory control of interface Base.
template <typename Base> class Enablable : public Base {
public:
    void Enable(bool enable) override { enabled_ = enable; }
    bool IsEnabled() const override { return enabled_; }

private:
    bool enabled_ = true;
};

} // namespace platform
