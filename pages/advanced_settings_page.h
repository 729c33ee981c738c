// The "Advanced" page: the event buffer size and the stack threshold, both typed by the user.
// The getters take the value from the edit text each time, so what the user typed is what is
// validated and stored; without an edit (no window yet) the text is empty and reads as 1024.
#pragma once

#include "framework/tabbed_dlg_page.h"
#include "pages/advanced_settings_text.h"
#include "platform/controls/edit_control.h"

#include "model/scalar_settings.h"

#include <cstdint>

namespace kelvd {

class AdvancedSettingsPage : public TabbedDlgPage {
public:
    AdvancedSettingsPage();

    // Binds the page's edits: the stack threshold's (1522) and the event buffer size's (1521);
    // null unbinds one.
    void AttachEdits(platform::EditControl* stackThreshold, platform::EditControl* memUsage);

    // Binds the page window's edits; they are unbound when the window is gone.
    void DoDataExchange(platform::DialogWindow& window) override;
    void PostNcDestroy() override;
    bool OnInitDialog() override;

    // Puts both members into their edits in their shown forms.
    void ShowSettings();

    // Parse the edit text, keep the result in the member and return it.
    uint32_t GetMemUsage();
    uint32_t GetStackThreshold();
    // Store the value in the member only; the edits keep their text.
    void SetMemUsage(uint32_t value);
    void SetStackThreshold(uint32_t value);

    // The OK check, in its order: the string id of the first rule the typed values break
    // (kStrSmallEventBuffer, then kStrBadStackThreshold), or 0 when both pass.
    uint32_t FirstValidationFailure();

private:
    static std::string TextOf(const platform::EditControl* edit);

    uint32_t memUsage_ = ScalarSettings::kInitialMemUsage;             // KB
    uint32_t stackThreshold_ = ScalarSettings::kInitialStackThreshold; // bytes
    platform::EditControl* stackThresholdEdit_ = nullptr;
    platform::EditControl* memUsageEdit_ = nullptr;
};

} // namespace kelvd
