// A help viewer that records what it was asked to show: "win:FILE@OWNER" or "html:FILE@OWNER".
#pragma once

#include "platform/help_viewer.h"

#include <string>
#include <vector>

namespace kelvd::test {

class RecordedHelp final : public platform::HelpViewer {
public:
    void ShowWinHelp(platform::WindowHandle owner, const std::string& file) override {
        shown.push_back("win:" + file + "@" + std::to_string(owner));
    }
    void ShowHtmlHelp(platform::WindowHandle owner, const std::string& file) override {
        shown.push_back("html:" + file + "@" + std::to_string(owner));
    }
    std::vector<std::string> shown;
};

} // namespace kelvd::test
