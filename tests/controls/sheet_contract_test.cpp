// The sheet's front end: a click on a page in the tree is reported to the host, and the tree
// keeps choosing the page that the host shows; F1 asks the host for help; Escape cancels.
#include "controls/control_contract.h"
#include "res/resource.h"

namespace kelvd::test {

namespace {

class SheetContract : public ControlContract {
protected:
    void SetUp() override { Open({IDD_GENERAL_SETTINGS, IDD_SELECT_DRIVERS, IDD_ADVANCED}); }
};

TEST_P(SheetContract, ChosenPageIsReportedAndTheTreeFollowsThePageShown) {
    EXPECT_EQ(0u, Bench().ChosenPage());
    Bench().SheetInput().ChoosePage(2);
    EXPECT_EQ(2u, Bench().ChosenPage());
    showChosenPage = false;
    Bench().SheetInput().ChoosePage(1);
    EXPECT_EQ(2u, Bench().ChosenPage());
    Bench().SheetInput().ChoosePage(2);
    EXPECT_EQ((Says{"page 2", "page 1"}), Heard());
}

TEST_P(SheetContract, HelpAndEscapeAreReportedToTheHost) {
    Bench().SheetInput().PressHelp();
    Bench().SheetInput().PressEscape();
    EXPECT_EQ((Says{"help", "2 clicked"}), Heard());
}

INSTANTIATE_TEST_SUITE_P(FrontEnds, SheetContract, ::testing::ValuesIn(Benches()), BenchName);

} // namespace

} // namespace kelvd::test
