#include "pages/vxd_settings_page.h"

#include "res/resource.h"
#include "res/string_table.h"

namespace kelvd {

VxDSettingsPage::VxDSettingsPage()
    : DriverListPage({IDD_SELECT_VXDS, IDC_VXD_LIST, IDC_ADD_VXD, kStrVxdFileFilter, "vxd", 0},
                     {Listed(configModel().vxds, 1), Listed(configModel().userVxds, 1)}) {}

} // namespace kelvd
