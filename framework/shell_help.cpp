#include "framework/shell_help.h"

#include "platform/help_viewer.h"
#include "platform/multibyte.h"

namespace kelvd::HelpUtil {

namespace {
ShellHelp* live = nullptr;
} // namespace

ShellHelp::ShellHelp() : previous_(live) {
    live = this;
}

ShellHelp::~ShellHelp() {
    if (live == this)
        live = previous_;
}

ShellHelp* ShellHelp::Live() {
    return live;
}

std::string ShellHelp::GetContextHelpFileName() {
    return GetHelpFileName();
}

void ShellHelp::ShowHtmlHelp(platform::WindowHandle owner) {
    platform::helpViewer().ShowHtmlHelp(owner, GetHelpFileName());
}

void ShellHelp::ShowWinHelp(platform::WindowHandle owner) {
    platform::helpViewer().ShowWinHelp(owner, GetHelpFileName());
}

void ShellHelp::ShowHelp(platform::WindowHandle owner) {
    std::string file = GetHelpFileName();
    if (file.empty())
        return;
    const char* dot = platform::MbsRChr(file.c_str(), '.');
    if (dot && platform::MbsICmp(dot, ".chm") == 0)
        ShowHtmlHelp(owner);
    else
        ShowWinHelp(owner);
}

} // namespace kelvd::HelpUtil
