// The "Select Driver APIs" page: the API categories of the catalogue and their events.
#pragma once

#include "pages/category_list_page.h"

namespace kelvd {

class SelectEventsPage : public CategoryListPage {
public:
    SelectEventsPage();
};

} // namespace kelvd
