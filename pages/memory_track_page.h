// The "Memory Tracking" page: whether the checker tracks memory allocations (a check box) and
// how many guard bytes it adds before and after each one (a drop-down list of 0, 8, 16 and 32).
// The values live here and are read and written through the accessors, also while the page has
// no window; the setters leave the controls alone.
#pragma once

#include "framework/tabbed_dlg_page.h"

#include "model/scalar_settings.h"

#include <cstdint>

namespace kelvd {

class MemoryTrackPage : public TabbedDlgPage {
public:
    MemoryTrackPage();

    // Plain reads and writes: the setters store any value unchanged.
    uint32_t GetNumGuardBytes() const;
    void SetNumGuardBytes(uint32_t value);
    uint32_t GetMemTrackingOn() const;
    void SetMemTrackingOn(uint32_t value);

    bool OnInitDialog() override;
    // Shows both values: the guard-byte item of the count (the selection stays as it was for a
    // count the list does not offer), the check box, and the list enabled when tracking is on.
    void ShowSettings();

    bool OnCommand(int controlId, int code) override;
    // The check box was clicked: tracking follows it, and the guard-byte list with it.
    void OnTrackingClicked();
    // An item was picked: its count, or 8 without a selection.
    void OnGuardBytesSelChange();

private:
    uint32_t memTrackingOn_ = ScalarSettings::kInitialMemTrackingOn; // 1 on, 0 off
    uint32_t numGuardBytes_ =
        ScalarSettings::kInitialNumGuardBytes; // 0, 8, 16 or 32 as the page offers them
};

} // namespace kelvd
