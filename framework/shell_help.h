// The sheet's help: while a help object lives, F1 in the sheet shows its help file. The sheet is
// never told of it; it finds the live one by itself.
#pragma once

#include "platform/message_box.h"

#include <string>

namespace kelvd::HelpUtil {

class ShellHelp {
public:
    // The new object is the live one until it is destroyed.
    ShellHelp();
    virtual ~ShellHelp();
    ShellHelp(const ShellHelp&) = delete;
    ShellHelp& operator=(const ShellHelp&) = delete;

    // The live help object, or null.
    static ShellHelp* Live();

    virtual std::string GetHelpFileName() = 0;
    // The file for context help: the help file itself.
    virtual std::string GetContextHelpFileName();
    virtual void ShowHtmlHelp(platform::WindowHandle owner);
    virtual void ShowWinHelp(platform::WindowHandle owner);
    // HTML Help for a ".chm" file, WinHelp for any other; nothing without a file name.
    virtual void ShowHelp(platform::WindowHandle owner);

private:
    ShellHelp* previous_;
};

} // namespace kelvd::HelpUtil
