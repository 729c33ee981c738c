// This machine, as RunMode 1 of the library has it: on NT the checker's service key, and the
// API catalogue and hook-state file in the Kitwright directory; on Windows 9x KELVDVXD.CFG in the
// system directory and system.ini instead of the key.
#include "cli/place.h"

#include "model/config_model.h"
#include "pages/general_settings_page.h"
#include "sheet/stored_configuration.h"

namespace kelvcfg {

namespace {

class LocalPlace final : public Place {
public:
    std::string Description() const override { return "this machine"; }

    kelvd::ScalarSettings Load(kelvd::ModelLoader& loader) override {
        LoadDrivers(loader);
        kelvd::ScalarSettings settings =
            kelvd::LoadStoredConfiguration(nullptr).value_or(kelvd::ScalarSettings());
        settings.start = kelvd::StartAsShown(settings.start);
        return settings;
    }

    void LoadDrivers(kelvd::ModelLoader& loader) override { loader.LoadModel(0, nullptr); }

    void Store(const kelvd::ScalarSettings& settings) override {
        kelvd::StoreConfiguration(kelvd::kLocal, nullptr, settings, 0);
    }

    void StoreSelection(const kelvd::ScalarSettings& settings) override {
        kelvd::StoreSelection(settings);
    }

    std::string LossWithoutCatalogue(bool selection) const override {
        return selection ? std::string() : HookStateLoss();
    }
};

} // namespace

std::unique_ptr<Place> OpenLocalPlace() {
    return std::make_unique<LocalPlace>();
}

} // namespace kelvcfg
