// The settings sheet on the screen, opened through ConfigureKELVD and driven through its windows
// with window messages only, as a user (or a host's automation) acts on it; what it stored
// afterwards.
#include "include/kelvdcfg.h"
#include "res/resource.h"
#include "screen/screen_script.h"
#include "screen/screen_windows.h"
#include "support/sheet_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using namespace kelvd::test;

class SheetOnScreen : public SheetFixture {
protected:
    // A step that waits for the sheet and keeps it in sheet_.
    ScreenScript::Step SheetOpen() {
        return [this] { return (sheet_ = FindSheet()) != nullptr; };
    }
    HWND Page(const char* caption) const { return FindPage(sheet_, caption); }
    // A step that answers every message box with OK, noting its text, until the sheet has gone.
    ScreenScript::Step AnswerUntilClosed() {
        return [this] {
            if (HWND box = FindMessageBox()) {
                answered_.push_back(ControlText(box, 0xFFFF));
                PressButton(box, IDOK);
            }
            return FindSheet() == nullptr;
        };
    }

    // Messages go to real message boxes, which the script answers.
    platform::ScopedMessageBoxes realBoxes_{platform::nativeMessageBoxes()};
    HWND sheet_ = nullptr;
    std::vector<std::string> answered_;
};

TEST_P(SheetOnScreen, WalkingTheTreeShowsEachPageWithItsCaptionAndOkStores) {
    std::vector<std::string> captions, shown;
    ScreenScript script;
    script.Then(SheetOpen())
        .Do([&] {
            EXPECT_EQ("Kelvarin Settings", WindowText(sheet_));
            captions = TreeCaptions(sheet_);
            for (size_t index = 0; index < captions.size(); ++index) {
                ChooseTreeItem(sheet_, index);
                HWND page = Page(captions[index].c_str());
                EXPECT_TRUE(page && IsWindowVisible(page)) << captions[index];
                shown.push_back(ControlText(sheet_, IDC_PAGE_CAPTION));
            }
            PressButton(sheet_, IDOK);
        })
        .Then(AnswerUntilClosed());
    EXPECT_EQ(0, ConfigureOnScreen(KELVD_RUN_LOCAL));
    EXPECT_TRUE(script.Completed());
    std::vector<std::string> expected = {"General Settings", "Select Drivers", "Select Driver APIs",
                                         "Memory Tracking", "Advanced"};
    if (Win9x())
        expected.insert(expected.begin() + 3, {"Select VxDs", "Select VxD APIs"});
    EXPECT_EQ(expected, captions);
    EXPECT_EQ(captions, shown);
    EXPECT_EQ(0u, StoredSettings().start);
}

INSTANTIATE_TEST_SUITE_P(Platforms, SheetOnScreen, ::testing::Values(Platform::Nt, Platform::Win9x),
                         PlatformName);

} // namespace
