#include "model/config_model.h"

#include "platform/multibyte.h"

#include <algorithm>

namespace kelvd {

void ApiCategory::AllocateEvents(uint32_t count) {
    eventNames.assign(count, std::string());
    eventFlags.assign(count, 0);
    eventCount = count;
}

void ApiCategory::ReleaseEvents() {
    eventNames = {};
    eventFlags = {};
    eventCount = 0;
}

uint32_t ApiCategory::StateFromFlags() const {
    size_t hooked = std::count(eventFlags.begin(), eventFlags.end(), 1);
    if (hooked == 0)
        return 0;
    return hooked == eventFlags.size() ? 1 : 2;
}

namespace {

void SetCategories(CategoryTable& table, uint32_t state) {
    for (ApiCategory& category : table) {
        category.checkState = state;
        std::fill(category.eventFlags.begin(), category.eventFlags.end(),
                  static_cast<uint8_t>(state));
    }
}

template <size_t Capacity> void SetRows(DriverTable<Capacity>& table, uint32_t state) {
    for (DriverEntry& row : table)
        row.checkState = state;
}

} // namespace

void ConfigModel::SetAllChecked(uint32_t state) {
    SetCategories(apiCategories, state);
    SetRows(drivers, state);
    SetRows(displayDrivers, state == 1 ? 2 : 0);
    SetRows(userDrivers, state);
    if (isWin9x) {
        SetCategories(vxdApiCategories, state);
        SetRows(vxds, state);
        SetRows(userVxds, state);
    }
}

void ReleaseCategories(CategoryTable& table) {
    for (ApiCategory& category : table)
        category.ReleaseEvents();
    table.Clear();
}

ConfigModel& configModel() {
    static ConfigModel model;
    return model;
}

const char* FileNamePart(const char* path) {
    const char* backslash = platform::MbsRChr(path, '\\');
    return backslash ? backslash + 1 : path;
}

} // namespace kelvd
