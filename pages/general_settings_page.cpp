#include "pages/general_settings_page.h"

#include "res/resource.h"

#include <initializer_list>
#include <utility>

namespace kelvd {

namespace {

constexpr uint32_t kStartDemand = 3;   // shown as "Disabled"
constexpr uint32_t kStartDisabled = 4; // the service manager's own "disabled"

// Each button of the two groups with the value it stands for.
struct Choice {
    int controlId;
    uint32_t value;
};
using Choices = std::initializer_list<Choice>;
constexpr Choices kPopupChoices = {
    {IDC_POPUP_NEVER, 0}, {IDC_POPUP_ERRORS, 1}, {IDC_POPUP_ERRORS_AND_WARNINGS, 2}};
constexpr Choices kStartChoices = {{IDC_START_BOOT, 0}, {IDC_START_DISABLED, kStartDemand}};

void ShowChoice(platform::DialogWindow& window, Choices choices, uint32_t value) {
    for (const Choice& choice : choices) {
        platform::ButtonControl& button = window.Button(choice.controlId);
        if (choice.value == value)
            button.SetCheck(platform::kChecked);
        button.Enable(true);
    }
}

} // namespace

uint32_t StartAsShown(uint32_t start) {
    return start == kStartDisabled ? kStartDemand : start;
}

GeneralSettingsPage::GeneralSettingsPage() : TabbedDlgPage(IDD_GENERAL_SETTINGS) {}

uint32_t GeneralSettingsPage::GetDRPopup() const {
    return drPopup_;
}

void GeneralSettingsPage::SetDRPopup(uint32_t value) {
    drPopup_ = value;
}

uint32_t GeneralSettingsPage::GetStart() const {
    return start_;
}

void GeneralSettingsPage::SetStart(uint32_t value) {
    start_ = value;
}

bool GeneralSettingsPage::OnInitDialog() {
    start_ = StartAsShown(start_);
    ShowChoice(*Window(), kPopupChoices, drPopup_);
    ShowChoice(*Window(), kStartChoices, start_);
    return true;
}

bool GeneralSettingsPage::OnCommand(int controlId, int code) {
    return code == platform::kBnClicked && OnButtonClicked(controlId);
}

bool GeneralSettingsPage::OnButtonClicked(int controlId) {
    for (auto [choices, member] :
         {std::pair{kPopupChoices, &drPopup_}, std::pair{kStartChoices, &start_}}) {
        for (const Choice& choice : choices) {
            if (choice.controlId != controlId)
                continue;
            if (Window()->Button(controlId).GetCheck() == platform::kChecked)
                *member = choice.value;
            return true;
        }
    }
    return false;
}

} // namespace kelvd
