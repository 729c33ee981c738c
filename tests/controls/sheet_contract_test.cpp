// The sheet's front end: the page tree, F1 and Escape.
#include "controls/control_contract.h"

namespace {

using namespace kelvd::test;

struct SheetContract : ControlContract {};

TEST_P(SheetContract, ChosenPageIsReportedTheTreeFollowsThePageShownAndHelpAndEscapeAreReported) {
    Open({IDD_GENERAL_SETTINGS, IDD_SELECT_DRIVERS, IDD_ADVANCED});
    EXPECT_EQ(0u, Bench().ChosenPage());
    Bench().SheetInput().ChoosePage(2);
    EXPECT_EQ(2u, Bench().ChosenPage());
    showChosenPage = false;
    Bench().SheetInput().ChoosePage(1);
    EXPECT_EQ(2u, Bench().ChosenPage());
    Bench().SheetInput().ChoosePage(2);
    Bench().SheetInput().PressHelp();
    Bench().SheetInput().PressEscape();
    EXPECT_EQ((Says{"page 2", "page 1", "help", "2 clicked"}), Heard());
}

INSTANTIATE_TEST_SUITE_P(FrontEnds, SheetContract, ::testing::ValuesIn(Benches()), BenchName);

} // namespace
