// The sheet's Windows front end when the sheet's window cannot be made.
#include "platform/controls/sheet_front_end.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

// A sheet that only notes whether it was ever initialised.
struct NotedHost final : SheetHost {
    bool OnInitSheet(SheetWindow&) override { return initialised = true; }
    void OnHelp() override {}
    void OnSelectPage(size_t) override {}
    bool OnCommand(int, int) override { return false; }
    intptr_t OnNotify(const ControlNotification&) override { return 0; }
    bool initialised = false;
};

// Without its dialog template nothing is shown: the result is the system's -1, not the user's
// Cancel, and the sheet is never initialised.
TEST(Win32SheetFrontEnd, SheetWhoseTemplateIsMissingIsNotShownAndNotCancelled) {
    NotedHost host;
    EXPECT_EQ(-1, nativeSheetFrontEnd().RunModal("Kelvarin Settings", {9999, 1, 2, 3}, host));
    EXPECT_FALSE(host.initialised);
}

} // namespace
