#include "support/model_reset.h"

namespace kelvd::test {

void ResetModel() {
    ConfigModel& model = configModel();
    model.drivers.Clear();
    model.displayDrivers.Clear();
    model.userDrivers.Clear();
    model.vxds.Clear();
    model.userVxds.Clear();
    ReleaseCategories(model.apiCategories);
    ReleaseCategories(model.vxdApiCategories);
    model.catalogueVersion = 0;
    model.runMode = kLocal;
    model.isWin9x = false;
}

} // namespace kelvd::test
