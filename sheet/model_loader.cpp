#include "sheet/model_loader.h"

#include "drivers/checker_device.h"
#include "drivers/checker_modules.h"
#include "drivers/display_drivers.h"
#include "drivers/loaded_vxds.h"
#include "drivers/printer_drivers.h"
#include "drivers/service_drivers.h"
#include "model/config_model.h"
#include "res/string_table.h"
#include "stores/api_catalogue.h"
#include "target/target_drivers.h"

namespace kelvd {

namespace {

void ClearDriverTables(ConfigModel& model) {
    model.drivers.Clear();
    model.userDrivers.Clear();
    model.displayDrivers.Clear();
    model.vxds.Clear();
    model.userVxds.Clear();
}

void EnumerateDrivers(const ConfigModel& model, const TargetRegistry* target) {
    if (target) {
        EnumerateTargetDrivers(*target);
    } else if (model.isWin9x) {
        EnumerateCheckerModules();
        EnumerateLoadedVxds();
    } else {
        EnumerateServiceDrivers();
        EnumerateDisplayDrivers();
        EnumeratePrinterDrivers();
    }
}

} // namespace

bool ModelLoader::LoadModel(platform::WindowHandle owner, const TargetRegistry* target) {
    if (modelLoaded)
        return true;
    ConfigModel& model = configModel();
    ClearDriverTables(model);
    // Until the catalogue is read the model holds none, so a load that ends early leaves the
    // hook-state file to the stores as it was.
    model.catalogueVersion = kNoCatalogue;
    ReleaseCategories(model.apiCategories);
    ReleaseCategories(model.vxdApiCategories);
    // On Windows 9x the lists come from the running checker, so it must be there first.
    if (model.isWin9x && !ConnectChecker())
        return false;
    EnumerateDrivers(model, target);
    return ReadCatalogue(owner);
}

bool ModelLoader::LoadCatalogueOnly(platform::WindowHandle owner) {
    if (modelLoaded)
        return true;
    ClearDriverTables(configModel());
    return ReadCatalogue(owner);
}

bool ModelLoader::ReadCatalogue(platform::WindowHandle owner) {
    ConfigModel& model = configModel();
    model.catalogueVersion = ReadApiCatalogue();
    // The number itself is tested, so a catalogue whose version is FF counts as missing.
    if (model.catalogueVersion == kNoCatalogue) {
        platform::messageBoxes().Show(owner, TableString(kStrNoCatalogue), nullptr,
                                      platform::kMbOk);
        return false;
    }
    modelLoaded = true;
    return true;
}

bool ReleaseModel() {
    ConfigModel& model = configModel();
    ReleaseCategories(model.apiCategories);
    ReleaseCategories(model.vxdApiCategories);
    CloseCheckerDevice();
    return true;
}

} // namespace kelvd
