#include "pages/vxd_apis_page.h"

#include "res/resource.h"

namespace kelvd {

VxDAPIsPage::VxDAPIsPage()
    : CategoryListPage({IDD_SELECT_VXD_APIS, IDC_VXD_GROUP_LIST, IDC_VXD_API_LIST},
                       configModel().vxdApiCategories) {}

} // namespace kelvd
