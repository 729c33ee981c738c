#include "pages/driver_settings_page.h"

#include "res/resource.h"
#include "res/string_table.h"

namespace kelvd {

DriverSettingsPage::DriverSettingsPage()
    : DriverListPage(
          {IDD_SELECT_DRIVERS, IDC_DRIVER_LIST, IDC_ADD_DRIVER, kStrDriverFileFilter, "sys", 1},
          {Listed(configModel().drivers, 1), Listed(configModel().displayDrivers, 2),
           Listed(configModel().userDrivers, 1)}) {}

} // namespace kelvd
