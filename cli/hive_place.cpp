// An offline SYSTEM hive, as RunMode 3 of the library has an embedded target: the driver services
// of the control set worked on are the drivers, its checker key the stored configuration, and the
// hook-state file is the one named beside it.
#include "cli/command_error.h"
#include "cli/hive.h"
#include "cli/hive_target.h"
#include "cli/place.h"

#include "model/config_model.h"
#include "pages/general_settings_page.h"
#include "sheet/stored_configuration.h"

namespace kelvcfg {

namespace {

Hive::Mode HiveMode(Access access) {
    switch (access) {
    case Access::Change:
        return Hive::Mode::Change;
    case Access::TryChange:
        return Hive::Mode::TryChange;
    case Access::Read:
        break;
    }
    return Hive::Mode::Read;
}

class HivePlace final : public Place {
public:
    HivePlace(const PlaceAddress& address, Access access, Journal& journal)
        : hive_(Hive::Open(address.path, HiveMode(access), address.controlSet)),
          target_(*hive_, &journal) {}

    std::string Description() const override {
        return "hive " + hive_->path() + ", " + hive_->ControlSetRoles();
    }

    kelvd::ScalarSettings Load(kelvd::ModelLoader& loader) override {
        LoadDrivers(loader);
        kelvd::ScalarSettings settings =
            kelvd::LoadStoredConfiguration(target_.table()).value_or(kelvd::ScalarSettings());
        settings.start = kelvd::StartAsShown(settings.start);
        return settings;
    }

    void LoadDrivers(kelvd::ModelLoader& loader) override { loader.LoadModel(0, target_.table()); }

    // The target's store writes the hook-state file too, also for a selection. A write the hive
    // refused fails the command before anything is committed.
    void Store(const kelvd::ScalarSettings& settings) override {
        kelvd::StoreConfiguration(kelvd::kEmbeddedTarget, target_.table(), settings, 0);
        target_.ThrowRefusal();
    }

    void StoreSelection(const kelvd::ScalarSettings& settings) override { Store(settings); }

    // A hive's hook-state file is the one named with the catalogue: without a catalogue none is
    // named, and none is written.
    std::string LossWithoutCatalogue(bool) const override { return std::string(); }

    void Commit(Undo& undo) override { hive_->Commit(&undo); }

private:
    std::unique_ptr<Hive> hive_;
    HiveTarget target_;
};

} // namespace

std::unique_ptr<Place> OpenHivePlace(const PlaceAddress& address, Access access, Journal& journal) {
    return std::make_unique<HivePlace>(address, access, journal);
}

} // namespace kelvcfg
