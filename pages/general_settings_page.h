// The "General Settings" page: how the checker's service starts and when the kernel debugger
// Drovik pops up for the errors the checker reports, each a group of radio buttons. The values
// live here and are read and written through the accessors, also while the page has no window;
// the buttons show them only when the page's window is initialised.
#pragma once

#include "framework/tabbed_dlg_page.h"

#include "model/scalar_settings.h"

#include <cstdint>

namespace kelvd {

// The start type as the page shows and keeps it once initialised: the service manager's
// "disabled" (4) becomes the page's "Disabled" (3); every other value stays.
uint32_t StartAsShown(uint32_t start);

class GeneralSettingsPage : public TabbedDlgPage {
public:
    GeneralSettingsPage();

    // Plain reads and writes: the setters store any value unchanged.
    uint32_t GetDRPopup() const;
    void SetDRPopup(uint32_t value);
    uint32_t GetStart() const;
    void SetStart(uint32_t value);

    // Checks the button of each value (none for a value without one; a stored Start of 4, the
    // service manager's "disabled", becomes 3) and enables the five buttons.
    bool OnInitDialog() override;
    bool OnCommand(int controlId, int code) override;

    // BN_CLICKED of any of the five buttons: a button that is checked after the click sets the
    // value it stands for; false for another control.
    bool OnButtonClicked(int controlId);

private:
    uint32_t drPopup_ =
        ScalarSettings::kInitialDRPopup; // 0 never, 1 errors only, 2 errors and warnings
    uint32_t start_ = ScalarSettings::kInitialStart; // 0 boot start, 3 demand start ("Disabled")
};

} // namespace kelvd
