// Buttons: radio buttons and check boxes change before they are reported, push buttons report.
#include "controls/control_contract.h"

namespace {

using namespace kelvd::test;

struct ButtonContract : ControlContract {
    // The buttons' check states, "1" for checked.
    std::function<std::string()> Checks(std::vector<int> buttons) {
        return [this, buttons] {
            std::string checks;
            for (int id : buttons)
                checks += Page().Button(id).GetCheck() == platform::kChecked ? '1' : '0';
            return checks;
        };
    }
};

TEST_P(ButtonContract, RadioButtonIsCheckedAndItsGroupClearedBeforeItIsReported) {
    Open({IDD_GENERAL_SETTINGS});
    note = Checks({IDC_START_BOOT, IDC_START_DISABLED, IDC_POPUP_NEVER, IDC_POPUP_ERRORS,
                   IDC_POPUP_ERRORS_AND_WARNINGS});
    Page().Button(IDC_START_BOOT).SetCheck(platform::kChecked);
    Page().Button(IDC_POPUP_ERRORS).SetCheck(platform::kChecked);
    Input().Button(IDC_START_DISABLED).Click();
    Input().Button(IDC_POPUP_ERRORS_AND_WARNINGS).Click();
    Input().Button(IDC_POPUP_ERRORS_AND_WARNINGS).Click();
    EXPECT_EQ((Says{"1537 clicked: 01010", "1530 clicked: 01001", "1530 clicked: 01001"}), Heard());
}

TEST_P(ButtonContract, CheckBoxTogglesBeforeItIsReportedUnlessDisabled) {
    Open({IDD_MEMORY_TRACKING});
    note = Checks({IDC_MEMORY_TRACKING});
    platform::ButtonControl& box = Page().Button(IDC_MEMORY_TRACKING);
    Input().Button(IDC_MEMORY_TRACKING).Click();
    Input().Button(IDC_MEMORY_TRACKING).Click();
    box.Enable(false);
    EXPECT_FALSE(box.IsEnabled());
    Input().Button(IDC_MEMORY_TRACKING).Click();
    EXPECT_EQ((Says{"1541 clicked: 1", "1541 clicked: 0"}), Heard());
    EXPECT_EQ(platform::kUnchecked, box.GetCheck());
}

TEST_P(ButtonContract, SheetsOwnButtonsReportTheirClicks) {
    Open({IDD_ADVANCED});
    for (int button : {platform::kIdOk, platform::kIdCancel, IDC_SAVE_CONFIG_AS, IDC_LOAD_CONFIG})
        SheetControls().Button(button).Click();
    EXPECT_EQ((Says{"1 clicked", "2 clicked", "1542 clicked", "1539 clicked"}), Heard());
}

INSTANTIATE_TEST_SUITE_P(FrontEnds, ButtonContract, ::testing::ValuesIn(Benches()), BenchName);

} // namespace
