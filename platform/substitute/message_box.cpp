// Without a display, message boxes are recorded and answered with OK.
#include "platform/message_box.h"

namespace platform {

MessageBoxes& nativeMessageBoxes() {
    static RecordedMessageBoxes instance;
    return instance;
}

} // namespace platform
