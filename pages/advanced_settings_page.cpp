#include "pages/advanced_settings_page.h"

#include "res/resource.h"

namespace kelvd {

AdvancedSettingsPage::AdvancedSettingsPage() : TabbedDlgPage(IDD_ADVANCED) {}

void AdvancedSettingsPage::AttachEdits(platform::EditControl* stackThreshold,
                                       platform::EditControl* memUsage) {
    stackThresholdEdit_ = stackThreshold;
    memUsageEdit_ = memUsage;
}

void AdvancedSettingsPage::DoDataExchange(platform::DialogWindow& window) {
    AttachEdits(&window.Edit(IDC_STACK_THRESHOLD), &window.Edit(IDC_EVENT_BUFFER_SIZE));
}

void AdvancedSettingsPage::PostNcDestroy() {
    AttachEdits(nullptr, nullptr);
    TabbedDlgPage::PostNcDestroy();
}

bool AdvancedSettingsPage::OnInitDialog() {
    ShowSettings();
    return true;
}

void AdvancedSettingsPage::ShowSettings() {
    if (memUsageEdit_)
        memUsageEdit_->SetText(FormatMemUsage(memUsage_));
    if (stackThresholdEdit_)
        stackThresholdEdit_->SetText(FormatStackThreshold(stackThreshold_));
}

std::string AdvancedSettingsPage::TextOf(const platform::EditControl* edit) {
    return edit ? edit->GetText() : std::string();
}

uint32_t AdvancedSettingsPage::GetMemUsage() {
    memUsage_ = ParseMemUsage(TextOf(memUsageEdit_));
    return memUsage_;
}

uint32_t AdvancedSettingsPage::GetStackThreshold() {
    stackThreshold_ = ParseStackThreshold(TextOf(stackThresholdEdit_));
    return stackThreshold_;
}

void AdvancedSettingsPage::SetMemUsage(uint32_t value) {
    memUsage_ = value;
}

void AdvancedSettingsPage::SetStackThreshold(uint32_t value) {
    stackThreshold_ = value;
}

uint32_t AdvancedSettingsPage::FirstValidationFailure() {
    const uint32_t memUsage = GetMemUsage();
    return kelvd::FirstValidationFailure(memUsage, GetStackThreshold());
}

} // namespace kelvd
