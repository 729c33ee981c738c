#include "pages/general_settings_page.h"

namespace kelvd {

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

} // namespace kelvd
