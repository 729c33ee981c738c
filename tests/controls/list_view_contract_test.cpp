// The driver list view: what input reports and shows; boxes change through SetCheck alone.
#include "controls/control_contract.h"

namespace {

using namespace kelvd::test;

struct ListViewContract : ControlContract {
    // Rows A.SYS to D.SYS, B checked, none selected.
    void SetUp() override {
        Open({IDD_SELECT_DRIVERS});
        list_ = &Page().ListView(IDC_DRIVER_LIST);
        list_->InsertColumn(0, "Driver Name", 110);
        list_->InsertColumn(1, "Internal Name", 190);
        list_->SetExtendedStyle(platform::kLvsExCheckBoxes | platform::kLvsExFullRowSelect);
        for (const char* name : {"A.SYS", "B.SYS", "C.SYS", "D.SYS"})
            list_->SetItemData(list_->InsertItem(list_->GetItemCount(), name), name[0]);
        list_->SetCheck(1, true);
        note = [this] { return Shown() + " at " + Hit(); };
    }

    platform::ListViewInput& User() { return Input().ListView(IDC_DRIVER_LIST); }
    std::string Shown() const {
        return ItemStates(
            list_->GetItemCount(), [this](int row) { return list_->GetCheck(row) ? 1 : 0; },
            [this](int row) { return list_->GetItemState(row, platform::kLvisSelected) != 0; });
    }
    // Where the cursor is, as a handler hit-tests it.
    std::string Hit() const {
        platform::ListHit hit =
            list_->SubItemHitTest(list_->ScreenToClient(Page().Cursor().Position()));
        std::string row = "row " + std::to_string(hit.row);
        return hit.flags & platform::kLvhtOnItemStateIcon ? row + " box"
               : hit.flags & platform::kLvhtOnItemLabel   ? row + " text"
                                                          : "nowhere";
    }
    // From now on the handler of every report turns every box over.
    void TurnBoxesOnReports() {
        Heard();
        react = [this](const platform::ControlNotification&) {
            for (int row = 0; row < list_->GetItemCount(); ++row)
                list_->SetCheck(row, !list_->GetCheck(row));
        };
    }
    // Selects rows A, B and C (C last, so focused).
    void SelectThree() {
        User().ClickItem(0);
        User().ControlClickItem(1);
        User().ControlClickItem(2);
    }

    platform::ListViewControl* list_ = nullptr;
};

TEST_P(ListViewContract, BoxOfAnUnselectedRowIsOnlyReportedAndEveryBoxSetAfterItStays) {
    TurnBoxesOnReports();
    User().ClickCheckBox(2);
    EXPECT_EQ(Says{"1503 click: o- x- o- o- at row 2 box"}, Heard());
    EXPECT_EQ("x- o- x- x-", Shown());
    User().DoubleClickCheckBox(0);
    EXPECT_EQ((Says{"1503 click: x- o- x- x- at row 0 box",
                    "1503 double click: o- x- o- o- at row 0 box"}),
              Heard());
    EXPECT_EQ("x- o- x- x-", Shown());
    react = nullptr; // every box set after a click stays, unreported
    for (bool checked : {true, false}) {
        for (int row = 0; row < list_->GetItemCount(); ++row)
            list_->SetCheck(row, checked);
        EXPECT_EQ(checked ? "x- x- x- x-" : "o- o- o- o-", Shown());
    }
    EXPECT_EQ(Says{}, Heard());
}

TEST_P(ListViewContract, BoxInASelectionOfThreeIsReportedWithTheSelectionAsItWas) {
    SelectThree();
    EXPECT_EQ(
        (Says{"1503 click: os x- o- o- at row 0 text", "1503 key 17: os x- o- o- at row 1 text",
              "1503 click: os xs o- o- at row 1 text", "1503 key 17: os xs o- o- at row 2 text",
              "1503 click: os xs os o- at row 2 text"}),
        Heard());
    TurnBoxesOnReports();
    User().ClickCheckBox(1);
    EXPECT_EQ(Says{"1503 click: os xs os o- at row 1 box"}, Heard());
    EXPECT_EQ("xs os xs x-", Shown());
}

TEST_P(ListViewContract, TextBesideTheBoxSelectsTheRowAloneAndAHeadingReportsItsColumn) {
    User().ClickItem(3);
    User().ClickItem(1);
    EXPECT_EQ(
        (Says{"1503 click: o- x- o- os at row 3 text", "1503 click: o- xs o- o- at row 1 text"}),
        Heard());
    EXPECT_EQ("o- xs o- o-", Shown());
    note = nullptr;
    User().ClickColumn(1);
    EXPECT_EQ(Says{"1503 column 1"}, Heard());
}

TEST_P(ListViewContract, SpaceIsReportedThenTheFocusedRowIsLeftSelectedAlone) {
    SelectThree();
    TurnBoxesOnReports();
    User().PressSpace();
    EXPECT_EQ(Says{"1503 key 32: os xs os o- at row 2 text"}, Heard());
    EXPECT_EQ("x- o- xs x-", Shown());
}

TEST_P(ListViewContract, RowsAreFoundAndSortedAndMissingRowsAndColumnsReadEmpty) {
    EXPECT_EQ("B.S", list_->GetItemText(1, 0, 3));
    EXPECT_EQ(3, list_->FindItemByText("d.sys"));
    EXPECT_EQ(-1, list_->FindItemByText("D.SY"));
    list_->SortItems(
        [](uintptr_t a, uintptr_t b) { return static_cast<int>(b) - static_cast<int>(a); });
    EXPECT_EQ(2, list_->FindItemByData('B'));
    list_->SetCheck(4, true);
    EXPECT_EQ("", list_->GetItemText(-1, 0, 255));
    EXPECT_EQ("", list_->GetItemText(1, 1, 255)); // a column never set
    EXPECT_EQ("o- o- x- o-", Shown());
}

INSTANTIATE_TEST_SUITE_P(FrontEnds, ListViewContract, ::testing::ValuesIn(Benches()), BenchName);

} // namespace
