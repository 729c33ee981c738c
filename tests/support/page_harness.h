// Opens settings pages one at a time in the headless sheet window, as the sheet would, for
// tests acting on their controls as the user.
#pragma once

#include "framework/tabbed_dlg_page.h"
#include "platform/substitute/headless/headless_sheet_window.h"
#include "platform/substitute/headless/library_templates.h"
#include "res/resource.h"

namespace kelvd::test {

struct PageHarness : private platform::SheetHost {
    PageHarness() : sheet_("", HeadlessTemplateOf, IDD_SETTINGS_SHEET, *this, desktop_) {}

    // Makes the page's window, binds its controls and initialises it.
    platform::HeadlessDialogWindow& Open(TabbedDlgPage& page) {
        page.Create(sheet_);
        return *sheet_.Page(page.TemplateId());
    }

    platform::HeadlessSheetWindow& Sheet() { return sheet_; }

private:
    bool OnInitSheet(platform::SheetWindow&) override { return true; }
    bool OnCommand(int, int) override { return false; }
    intptr_t OnNotify(const platform::ControlNotification&) override { return 0; }
    void OnHelp() override {}
    void OnSelectPage(size_t) override {}

    platform::HeadlessDesktop desktop_;
    platform::HeadlessSheetWindow sheet_;
};

} // namespace kelvd::test
