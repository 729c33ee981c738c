#include "pages/memory_track_page.h"

#include "framework/message_map.h"
#include "res/resource.h"

#include <iterator>

namespace kelvd {

namespace {

// The guard-byte counts, by their position in the list.
constexpr uint32_t kGuardByteChoices[] = {0, 8, 16, 32};

} // namespace

MemoryTrackPage::MemoryTrackPage() : TabbedDlgPage(IDD_MEMORY_TRACKING) {}

uint32_t MemoryTrackPage::GetNumGuardBytes() const {
    return numGuardBytes_;
}

void MemoryTrackPage::SetNumGuardBytes(uint32_t value) {
    numGuardBytes_ = value;
}

uint32_t MemoryTrackPage::GetMemTrackingOn() const {
    return memTrackingOn_;
}

void MemoryTrackPage::SetMemTrackingOn(uint32_t value) {
    memTrackingOn_ = value;
}

bool MemoryTrackPage::OnInitDialog() {
    ShowSettings();
    return true;
}

void MemoryTrackPage::ShowSettings() {
    if (!Window())
        return;
    platform::ComboBoxControl& guardBytes = Window()->ComboBox(IDC_GUARD_BYTES);
    for (size_t at = 0; at < std::size(kGuardByteChoices); ++at)
        if (kGuardByteChoices[at] == numGuardBytes_)
            guardBytes.SetCurSel(static_cast<int>(at));
    Window()
        ->Button(IDC_MEMORY_TRACKING)
        .SetCheck(memTrackingOn_ != 0 ? platform::kChecked : platform::kUnchecked);
    guardBytes.Enable(memTrackingOn_ != 0);
}

bool MemoryTrackPage::OnCommand(int controlId, int code) {
    using Page = MemoryTrackPage;
    return DispatchCommand(
        *this,
        {{IDC_MEMORY_TRACKING, platform::kBnClicked, &Page::OnTrackingClicked},
         {IDC_GUARD_BYTES, platform::kCbnSelChange, &Page::OnGuardBytesSelChange}},
        controlId, code);
}

void MemoryTrackPage::OnTrackingClicked() {
    uint32_t on = Window()->Button(IDC_MEMORY_TRACKING).GetCheck() != 0 ? 1 : 0;
    Window()->ComboBox(IDC_GUARD_BYTES).Enable(on != 0);
    memTrackingOn_ = on;
}

void MemoryTrackPage::OnGuardBytesSelChange() {
    int selected = Window()->ComboBox(IDC_GUARD_BYTES).GetCurSel();
    bool offered = selected >= 0 && static_cast<size_t>(selected) < std::size(kGuardByteChoices);
    numGuardBytes_ = offered ? kGuardByteChoices[selected] : ScalarSettings::kInitialNumGuardBytes;
}

} // namespace kelvd
