#include "framework/tabbed_dlg_page.h"

namespace kelvd {

bool TabbedDlgPage::Create(platform::SheetWindow& sheet) {
    window_ = &sheet.CreatePage(templateId_, *this);
    DoDataExchange(*window_);
    return OnInitDialog();
}

void TabbedDlgPage::DoDataExchange(platform::DialogWindow&) {}

bool TabbedDlgPage::OnCommand(int, int) {
    return false;
}

intptr_t TabbedDlgPage::OnNotify(const platform::ControlNotification&) {
    return 0;
}

} // namespace kelvd
