#include "platform/message_box.h"

namespace platform {

MessageBoxes& messageBoxes() {
    MessageBoxes* replacement = ScopedMessageBoxes::slot();
    return replacement ? *replacement : nativeMessageBoxes();
}

} // namespace platform
