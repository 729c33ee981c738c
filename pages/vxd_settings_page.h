// The "Select VxDs" page (Windows 9x): the loaded VxDs and the VxDs the user added by file, in
// that order of keys. A click on a box is not reported back to the list as handled.
#pragma once

#include "pages/driver_list_page.h"

namespace kelvd {

class VxDSettingsPage : public DriverListPage {
public:
    VxDSettingsPage();

    // Rebuilds the list from the model; the sheet calls it on Windows 9x once the page windows
    // exist and after a configuration file was loaded.
    void FillVxdList() { FillList(); }
};

} // namespace kelvd
