// Showing a help file: WinHelp for ".hlp" files, HTML Help for ".chm" files, each opened at its
// contents.
#pragma once

#include "platform/message_box.h"
#include "platform/override.h"

#include <string>

namespace platform {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void ShowWinHelp(WindowHandle owner, const std::string& file) = 0;
    virtual void ShowHtmlHelp(WindowHandle owner, const std::string& file) = 0;
};

HelpViewer& helpViewer();
HelpViewer& nativeHelpViewer();
using ScopedHelpViewer = Override<HelpViewer>;

} // namespace platform
