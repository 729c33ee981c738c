// The windows of one front end for tests that act as the user: the settings sheet's window made
// from its template, with the pages its host makes, and the user's input to the sheet and to the
// controls of every window of it. The headless bench runs everywhere; on Windows the screen bench
// puts real windows on the screen and acts on them with the real mouse and keyboard. A suite runs
// each of its bodies on every bench of the platform (value-parameterised over Benches()).
#pragma once

#include "platform/controls/sheet_front_end.h"
#include "platform/controls/user_input.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kelvd::test {

class FrontEndBench {
public:
    virtual ~FrontEndBench() = default;
    // Makes the sheet's window for host; host.OnInitSheet makes and shows the pages.
    virtual platform::SheetWindow& Open(platform::SheetHost& host) = 0;
    virtual platform::SheetInput& SheetInput() = 0;
    // The user's input to the controls of the sheet's window or of one of its pages.
    virtual platform::DialogInput& Input(platform::DialogWindow& window) = 0;
    // The page chosen in the tree, which is the page shown.
    virtual size_t ChosenPage() const = 0;
};

using MakeBench = std::unique_ptr<FrontEndBench> (*)();

std::unique_ptr<FrontEndBench> MakeHeadlessBench();
std::unique_ptr<FrontEndBench> MakeScreenBench(); // Windows only
// The benches of this platform.
std::vector<MakeBench> Benches();
std::string BenchName(const ::testing::TestParamInfo<MakeBench>& info);

} // namespace kelvd::test
