#include "stores/registry_store.h"

#include "drivers/driver_description.h"
#include "platform/registry.h"
#include "platform/system_info.h"
#include "stores/checker_value_names.h"
#include "stores/settings_key.h"

namespace kelvd {

namespace {

class LocalSettingsKey final : public SettingsKey {
public:
    explicit LocalSettingsKey(const platform::KeyHandle& key) : key_(key) {}

    void SetDword(const char* name, uint32_t value) override { key_.SetDword(name, value); }
    void SetBinary(const char* name, const std::string& bytes) override {
        key_.SetBinary(name, bytes.data(), static_cast<uint32_t>(bytes.size()));
    }
    bool QueryDword(const char* name, uint32_t* value) override {
        return key_.QueryDword(name, value);
    }
    bool QueryBytes(const char* name, std::vector<uint8_t>* bytes) override {
        return key_.QueryBytes(name, bytes);
    }

private:
    const platform::KeyHandle& key_;
};

// An entry of the local UserDriver list that names no drivers row becomes a user row, with the
// description of its file; at most the table's 128 rows are added.
void AddLocalUserDriver(const StateEntry& entry, FileNameRows<256>& drivers) {
    ConfigModel& model = configModel();
    if (drivers.ApplyStateByFileName(entry.name, entry.state))
        return;
    DriverEntry row;
    row.path = entry.name;
    row.checkState = entry.state;
    GetDriverDescription(row.path, false, &row.description);
    model.userDrivers.Append(row);
}

} // namespace

const char* CheckerGroup() {
    constexpr uint32_t kWindows2000Major = 5;
    return (platform::systemInfo().Version() & 0xFF) == kWindows2000Major ? "Boot Bus Extender"
                                                                          : "System Bus Extender";
}

void WriteServiceKey() {
    platform::KeyHandle key;
    if (!key.Create(platform::kLocalMachine, kServiceKey, platform::reg::kAllAccess))
        return;
    uint32_t start;
    if (!key.QueryDword(kStartValue, &start))
        key.SetDword(kStartValue, 0);
    key.SetDword("Type", 1);         // kernel driver
    key.SetDword("ErrorControl", 1); // normal
    key.SetString("Group", CheckerGroup());
    key.SetDword("Tag", 1);
}

void SaveToRegistry(const ScalarSettings& settings) {
    WriteServiceKey();
    platform::KeyHandle key;
    if (!key.Create(platform::kLocalMachine, kServiceKey, platform::reg::kAllAccess))
        return;
    LocalSettingsKey settingsKey(key);
    WriteSettings(settingsKey, settings, true);
    if (configModel().userDrivers.Count() == 0)
        platform::registry().DeleteValue(key.get(), kUserDriverValue);
}

std::optional<ScalarSettings> LoadFromRegistry() {
    platform::KeyHandle key;
    if (!key.Create(platform::kLocalMachine, kServiceKey, platform::reg::kRead))
        return std::nullopt;
    LocalSettingsKey settingsKey(key);
    StoredSettings stored = ReadSettings(settingsKey);
    ApplyStoredLists(stored, AddLocalUserDriver);
    return stored.scalars;
}

} // namespace kelvd
