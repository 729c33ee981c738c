#include "stores/settings_key.h"

#include "stores/category_value.h"
#include "stores/checker_value_names.h"

#include <new>

namespace kelvd {

namespace {

template <size_t Capacity>
void WriteList(SettingsKey& key, const char* name, const DriverTable<Capacity>& table) {
    key.SetBinary(name, EncodeStateList(table));
}

// The entries of a list's bytes.
std::vector<StateEntry> Entries(const std::vector<uint8_t>& bytes) {
    return DecodeStateList(bytes.data(), bytes.size());
}

} // namespace

void WriteSettings(SettingsKey& key, const ScalarSettings& settings, bool withStart) {
    for (const ScalarValue& value : kScalarValues)
        if (withStart || value.field != &ScalarSettings::start)
            key.SetDword(value.name, settings.*value.field);
    const ConfigModel& model = configModel();
    for (const ApiCategory& category : model.apiCategories)
        key.SetBinary(category.name.c_str(), EncodeCategoryValue(category));
    WriteList(key, kDriverValue, model.drivers);
    WriteList(key, kDisplayDriverValue, model.displayDrivers);
    if (model.userDrivers.Count() != 0)
        WriteList(key, kUserDriverValue, model.userDrivers);
}

StoredSettings ReadSettings(SettingsKey& key) {
    StoredSettings stored;
    for (const ScalarValue& value : kScalarValues)
        key.QueryDword(value.name, &(stored.scalars.*value.field));
    try {
        stored.hasDrivers = key.QueryBytes(kDriverValue, &stored.drivers);
        if (stored.hasDrivers) {
            stored.hasUserDrivers = key.QueryBytes(kUserDriverValue, &stored.userDrivers);
            stored.hasDisplayDrivers = key.QueryBytes(kDisplayDriverValue, &stored.displayDrivers);
        }
    } catch (const std::bad_alloc&) {
        // A list too large to hold in memory ends the read; the lists read before it stand.
    }
    return stored;
}

void ApplyStoredLists(const StoredSettings& stored, AddUserDriver addUserDriver) {
    ConfigModel& model = configModel();
    if (!stored.hasDrivers)
        return;
    try {
        FileNameRows<256> drivers(model.drivers);
        {
            FileNameRows<128> userDrivers(model.userDrivers);
            for (const StateEntry& entry : Entries(stored.drivers))
                if (!drivers.ApplyStateByFileName(entry.name, entry.state))
                    userDrivers.ApplyStateByFileName(entry.name, entry.state);
        }
        if (stored.hasUserDrivers) {
            model.userDrivers.Clear();
            for (const StateEntry& entry : Entries(stored.userDrivers))
                addUserDriver(entry, drivers);
        }
        if (stored.hasDisplayDrivers) {
            FileNameRows<256> displayDrivers(model.displayDrivers);
            for (const StateEntry& entry : Entries(stored.displayDrivers))
                displayDrivers.ApplyStateByFileName(entry.name, entry.state);
        }
    } catch (const std::bad_alloc&) {
        // A list with more entries than memory holds ends the application; what was applied
        // stays.
    }
}

} // namespace kelvd
