#include "stores/settings_key.h"

#include "stores/category_value.h"
#include "stores/checker_values.h"

#include <new>

namespace kelvd {

namespace {

template <size_t Capacity>
void WriteList(SettingsKey& key, const char* name, const DriverTable<Capacity>& table) {
    key.SetBinary(name, EncodeStateList(table));
}

// The lists' states, applied to the rows that exist.
void ReadLists(SettingsKey& key, AddUserDriver addUserDriver) {
    ConfigModel& model = configModel();
    std::vector<uint8_t> data;
    if (!key.QueryBytes(kDriverValue, &data))
        return;
    for (const StateEntry& entry : DecodeStateList(data.data(), data.size()))
        if (!ApplyStateByFileName(entry.name, model.drivers, entry.state))
            ApplyStateByFileName(entry.name, model.userDrivers, entry.state);
    if (key.QueryBytes(kUserDriverValue, &data)) {
        model.userDrivers.Clear();
        for (const StateEntry& entry : DecodeStateList(data.data(), data.size()))
            addUserDriver(entry);
    }
    if (key.QueryBytes(kDisplayDriverValue, &data))
        for (const StateEntry& entry : DecodeStateList(data.data(), data.size()))
            ApplyStateByFileName(entry.name, model.displayDrivers, entry.state);
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

void ReadSettings(SettingsKey& key, const ScalarPages& pages, AddUserDriver addUserDriver) {
    ScalarSettings settings;
    for (const ScalarValue& value : kScalarValues)
        key.QueryDword(value.name, &(settings.*value.field));
    pages.Apply(settings);
    try {
        ReadLists(key, addUserDriver);
    } catch (const std::bad_alloc&) {
        // A list too large to hold in memory ends the read; what was applied stays.
    }
}

} // namespace kelvd
