// Without a display there is no help window to show: help requests are dropped.
#include "platform/help_viewer.h"

namespace platform {

namespace {

class SubstituteHelpViewer final : public HelpViewer {
public:
    void ShowWinHelp(WindowHandle, const std::string&) override {}
    void ShowHtmlHelp(WindowHandle, const std::string&) override {}
};

} // namespace

HelpViewer& nativeHelpViewer() {
    static SubstituteHelpViewer instance;
    return instance;
}

} // namespace platform
