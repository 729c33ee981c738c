// The "Select VxD APIs" page (Windows 9x): the VxD API groups of the catalogue and their APIs.
#pragma once

#include "pages/category_list_page.h"

namespace kelvd {

class VxDAPIsPage : public CategoryListPage {
public:
    VxDAPIsPage();
};

} // namespace kelvd
