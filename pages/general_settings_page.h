// The "General Settings" page: how the checker's service starts and when the kernel debugger
// Drovik pops up for the errors the checker reports. The values live here and are read and
// written through the accessors, also while the page has no window.
#pragma once

#include <cstdint>

namespace kelvd {

class GeneralSettingsPage {
public:
    static constexpr uint32_t kInitialDRPopup = 0; // never pop up
    static constexpr uint32_t kInitialStart = 0;   // boot start

    // Plain reads and writes: the setters store any value unchanged.
    uint32_t GetDRPopup() const;
    void SetDRPopup(uint32_t value);
    uint32_t GetStart() const;
    void SetStart(uint32_t value);

private:
    uint32_t drPopup_ = kInitialDRPopup; // 0 never, 1 errors only, 2 errors and warnings
    uint32_t start_ = kInitialStart;     // 0 boot start, 3 demand start ("Disabled")
};

} // namespace kelvd
