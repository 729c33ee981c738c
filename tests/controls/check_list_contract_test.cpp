// The event check lists: a box is toggled, and its item selected, before it is reported.
#include "controls/control_contract.h"

namespace {

using namespace kelvd::test;

struct CheckListContract : ControlContract {
    // Categories Memory (mixed, selected), Io (checked) and Sync; events E0 (checked) to E3.
    void SetUp() override {
        Open({IDD_SELECT_EVENTS});
        categories_ = &Page().CheckList(IDC_CATEGORY_LIST);
        events_ = &Page().CheckList(IDC_EVENT_LIST);
        int state = platform::kBoxMixed;
        for (const char* name : {"Memory", "Io", "Sync"})
            categories_->SetCheck(categories_->AddString(name), state--);
        categories_->SetCurSel(0);
        for (const char* name : {"E0", "E1", "E2", "E3"})
            events_->AddString(name);
        events_->SetCheck(0, platform::kBoxChecked);
        note = [this] { return Shown(*categories_) + " | " + Shown(*events_); };
    }

    platform::BoxListInput& Categories() { return Input().CheckList(IDC_CATEGORY_LIST); }
    platform::BoxListInput& Events() { return Input().CheckList(IDC_EVENT_LIST); }
    static std::string Shown(const platform::CheckListControl& list) {
        return ItemStates(
            list.GetCount(), [&](int item) { return list.GetCheck(item); },
            [&](int item) { return list.GetSel(item); });
    }

    platform::CheckListControl *categories_ = nullptr, *events_ = nullptr;
};

TEST_P(CheckListContract, BoxOfAnUnselectedItemSelectsItThenTurnsMixedClearAndClearChecked) {
    for (int item : {2, 0, 0})
        Categories().ClickCheckBox(item);
    EXPECT_EQ(
        (Says{"1509 selchange: m- x- os | x- o- o- o-", "1509 chkchange: m- x- xs | x- o- o- o-",
              "1509 selchange: ms x- x- | x- o- o- o-", "1509 chkchange: os x- x- | x- o- o- o-",
              "1509 chkchange: xs x- x- | x- o- o- o-"}),
        Heard());
    EXPECT_EQ(0, categories_->GetCurSel());
}

TEST_P(CheckListContract, BoxOfASelectedItemTogglesEverySelectedItemAsItself) {
    Events().ClickItem(0);
    Events().ControlClickItem(1);
    Events().ControlClickItem(3);
    Heard();
    Events().ClickCheckBox(1);
    EXPECT_EQ(Says{"1510 chkchange: ms x- o- | xs xs o- xs"}, Heard());
}

// Space toggles the selected items as the first one.
TEST_P(CheckListContract, TextBesideTheBoxSelectsTheItemAndSpaceTogglesTheSelectedOnes) {
    Categories().ClickItem(0);
    Categories().ControlClickItem(1); // a single-selection list takes it as a click
    Events().ClickItem(2);
    Events().ControlClickItem(0);
    Events().PressSpace();
    Categories().PressSpace();
    EXPECT_EQ(
        (Says{"1509 selchange: ms x- o- | x- o- o- o-", "1509 selchange: m- xs o- | x- o- o- o-",
              "1510 selchange: m- xs o- | x- o- os o-", "1510 selchange: m- xs o- | xs o- os o-",
              "1510 chkchange: m- xs o- | os o- os o-", "1509 chkchange: m- os o- | os o- os o-"}),
        Heard());
}

TEST_P(CheckListContract, DoubleClickOnABoxTogglesItTwiceAndEveryBoxSetAfterItStays) {
    Events().DoubleClickCheckBox(3);
    EXPECT_EQ(
        (Says{"1510 selchange: ms x- o- | x- o- o- os", "1510 chkchange: ms x- o- | x- o- o- xs",
              "1510 chkchange: ms x- o- | x- o- o- os"}),
        Heard());
    for (int item = 0; item < events_->GetCount(); ++item)
        events_->SetCheck(item, platform::kBoxChecked);
    categories_->SetCheck(0, platform::kBoxChecked);
    EXPECT_EQ("xs x- o- | x- x- x- xs", note()); // every box set after a click stays
    categories_->ResetContent();
    EXPECT_EQ(platform::kNoSelection, categories_->GetCurSel());
    EXPECT_EQ(platform::kBoxClear, categories_->GetCheck(0));
}

INSTANTIATE_TEST_SUITE_P(FrontEnds, CheckListContract, ::testing::ValuesIn(Benches()), BenchName);

} // namespace
