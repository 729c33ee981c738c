#include "platform/help_viewer.h"

namespace platform {

HelpViewer& helpViewer() {
    HelpViewer* replacement = ScopedHelpViewer::slot();
    return replacement ? *replacement : nativeHelpViewer();
}

} // namespace platform
