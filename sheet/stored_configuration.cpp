#include "sheet/stored_configuration.h"

#include "drivers/host_integration.h"
#include "model/config_model.h"
#include "stores/config_file.h"
#include "stores/farhand_export.h"
#include "stores/hook_state_file.h"
#include "stores/registry_store.h"
#include "target/target_store.h"

#include <string>

namespace kelvd {

namespace {

void StoreLocalConfiguration(const ScalarSettings& settings, platform::WindowHandle owner) {
    std::string vxdConfig;
    if (configModel().isWin9x) {
        if (VxdConfigPath(&vxdConfig))
            SaveConfigFile(vxdConfig, settings);
        SaveHookState();
        UpdateSystemIni(settings.start);
    } else {
        SaveToRegistry(settings);
        SaveHookState();
        if (settings.start == 0)
            NotifyControlPanel(owner);
    }
}

} // namespace

std::optional<ScalarSettings> LoadStoredConfiguration(const TargetRegistry* target) {
    std::optional<ScalarSettings> settings;
    std::string vxdConfig;
    if (configModel().isWin9x) {
        if (VxdConfigPath(&vxdConfig))
            settings = LoadConfigFile(vxdConfig);
    } else if (target) {
        settings = LoadFromTarget(*target);
    } else {
        settings = LoadFromRegistry();
    }
    LoadHookState();
    return settings;
}

void StoreConfiguration(uint32_t mode, const TargetRegistry* target, const ScalarSettings& settings,
                        platform::WindowHandle owner) {
    if (target)
        SaveToTarget(*target, settings);
    else if (mode == kLocal)
        StoreLocalConfiguration(settings, owner);
    else if (mode == kFarhandExport)
        ExportFarhandConfiguration(settings, owner);
    // Any other mode, the sheet only among them, stores nothing.
}

void StoreSelection(const ScalarSettings& settings) {
    std::string vxdConfig;
    if (!configModel().isWin9x)
        SaveToRegistry(settings);
    else if (VxdConfigPath(&vxdConfig))
        SaveConfigFile(vxdConfig, settings);
}

} // namespace kelvd
