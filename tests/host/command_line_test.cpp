// kwhost's command line: what it accepts and what it refuses.
#include "host/command_line.h"

#include <gtest/gtest.h>

namespace kwhost {

namespace {

struct Accepted {
    std::vector<std::string> args;
    Action action;
    int32_t mode;
    std::string helpFile;
    std::string library;
    std::string screensDir;
    bool timed = false;
};

class AcceptedCommands : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedCommands, ParseIntoTheirParts) {
    const Accepted& want = GetParam();
    HostCommand command;
    std::string error;
    ASSERT_TRUE(ParseHostCommand(want.args, &command, &error)) << error;
    EXPECT_EQ(want.action, command.action);
    EXPECT_EQ(want.mode, command.mode);
    EXPECT_EQ(want.helpFile, command.helpFile);
    EXPECT_EQ(want.library, command.library);
    EXPECT_EQ(want.screensDir, command.screensDir);
    EXPECT_EQ(want.timed, command.timed);
}

// What kwhost's runs do not show already.
INSTANTIATE_TEST_SUITE_P(
    Host, AcceptedCommands,
    testing::Values(
        // Modes the library does not know are passed on as they are.
        Accepted{{"configure", "-7"}, Action::Configure, -7, "", "kelvdcfg.dll", ""},
        Accepted{
            {"configure", "2147483647"}, Action::Configure, 2147483647, "", "kelvdcfg.dll", ""},
        Accepted{{"--screens", "Z:\\shots", "configure", "3", "--library", "other.dll", "--time"},
                 Action::Configure,
                 3,
                 "",
                 "other.dll",
                 "Z:\\shots",
                 true},
        // A request for help anywhere is answered with the usage alone.
        Accepted{{"configure", "1", "-h"}, Action::Help, 1, "", "kelvdcfg.dll", ""}));

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
