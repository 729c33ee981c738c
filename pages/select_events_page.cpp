#include "pages/select_events_page.h"

#include "res/resource.h"

namespace kelvd {

SelectEventsPage::SelectEventsPage()
    : CategoryListPage({IDD_SELECT_EVENTS, IDC_CATEGORY_LIST, IDC_EVENT_LIST},
                       configModel().apiCategories) {}

} // namespace kelvd
