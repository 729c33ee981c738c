// The "Select Drivers" page: the kernel drivers, the display and printer drivers and the drivers
// the user added by file, in that order of keys. A checked display or printer driver stores 2.
#pragma once

#include "pages/driver_list_page.h"

namespace kelvd {

class DriverSettingsPage : public DriverListPage {
public:
    DriverSettingsPage();

    // Rebuilds the list from the model; the sheet calls it once the page windows exist and after
    // a configuration file was loaded.
    void FillDriverList() { FillList(); }
};

} // namespace kelvd
