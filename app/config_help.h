// The sheet's help object: the help file named by the host's ConfigureKELVD call.
#pragma once

#include "framework/shell_help.h"

#include <string>

namespace kelvd {

class ConfigHelp final : public HelpUtil::ShellHelp {
public:
    explicit ConfigHelp(std::string helpFile) : helpFile(std::move(helpFile)) {}

    std::string GetHelpFileName() override { return helpFile; }

    std::string helpFile;
};

} // namespace kelvd
