#include "support/page_harness.h"

#include "doubles/headless/library_templates.h"
#include "res/resource.h"

namespace kelvd::test {

PageHarness::PageHarness() : sheet_("", HeadlessTemplateOf, IDD_SETTINGS_SHEET, *this, desktop_) {}

platform::HeadlessDialogWindow& PageHarness::Open(TabbedDlgPage& page) {
    page.Create(sheet_);
    return *sheet_.Page(page.TemplateId());
}

} // namespace kelvd::test
