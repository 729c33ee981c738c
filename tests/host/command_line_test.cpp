// kwhost's command line: what it refuses (what it accepts shows in kwhost's
// runs).
#include "host/command_line.h"

#include <gtest/gtest.h>

namespace kwhost {

namespace {

class RefusedCommands : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(RefusedCommands, GiveAReasonAndLeaveTheCommandAlone) {
    HostCommand command;
    command.helpFile = "untouched";
    std::string error;
    EXPECT_FALSE(ParseHostCommand(GetParam(), &command, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ("untouched", command.helpFile);
}

INSTANTIATE_TEST_SUITE_P(
    Host, RefusedCommands,
    testing::Values(
        std::vector<std::string>{}, std::vector<std::string>{"configure"},
        std::vector<std::string>{"configure", "1x"}, std::vector<std::string>{"configure", "x"},
        std::vector<std::string>{"configure", ""}, std::vector<std::string>{"configure", "+1"},
        std::vector<std::string>{"configure", "2147483648"},
        std::vector<std::string>{"configure", "1", "a.hlp", "extra"},
        std::vector<std::string>{"selectall", "1"},
        std::vector<std::string>{"--screens", "d", "selectnone"},
        std::vector<std::string>{"configure", "1", "--library"},
        std::vector<std::string>{"configure", "1", "--screens", ""},
        std::vector<std::string>{"show"}, std::vector<std::string>{"--time", "selectall"},
        std::vector<std::string>{"--version", "selectall"},
        std::vector<std::string>{"configure", "1", "--version"}));

} // namespace

} // namespace kwhost
