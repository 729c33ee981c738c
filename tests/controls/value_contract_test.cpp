// The controls holding a value: the guard-byte combo box and an edit.
#include "controls/control_contract.h"

namespace {

using namespace kelvd::test;

struct ValueContract : ControlContract {};

TEST_P(ValueContract, ChosenComboItemIsSelectedBeforeItIsReportedUnlessDisabled) {
    Open({IDD_MEMORY_TRACKING});
    platform::ComboBoxControl& box = Page().ComboBox(IDC_GUARD_BYTES);
    note = [&box] { return std::to_string(box.GetCurSel()); };
    EXPECT_EQ(4, box.GetCount());
    EXPECT_EQ(platform::kNoSelection, box.GetCurSel());
    for (int item : {2, 0, 0})
        Input().ComboBox(IDC_GUARD_BYTES).Choose(item);
    box.Enable(false);
    Input().ComboBox(IDC_GUARD_BYTES).Choose(3);
    EXPECT_EQ((Says{"1540 selchange: 2", "1540 selchange: 0", "1540 selchange: 0"}), Heard());
    box.SetCurSel(4);
    EXPECT_EQ(platform::kNoSelection, box.GetCurSel());
}

TEST_P(ValueContract, TypedTextTakesThePlaceOfTheWholeText) {
    Open({IDD_ADVANCED});
    platform::EditControl& edit = Page().Edit(IDC_EVENT_BUFFER_SIZE);
    edit.SetText("1024");
    Input().Edit(IDC_EVENT_BUFFER_SIZE).Type("4 0x96");
    EXPECT_EQ("4 0x96", edit.GetText());
    EXPECT_EQ(Says{}, Heard());
}

INSTANTIATE_TEST_SUITE_P(FrontEnds, ValueContract, ::testing::ValuesIn(Benches()), BenchName);

} // namespace
