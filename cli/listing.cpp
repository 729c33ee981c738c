#include "cli/listing.h"

namespace kelvcfg {

namespace {

template <size_t Capacity>
void Append(std::vector<ListedDriver>& rows, const char* table,
            const kelvd::DriverTable<Capacity>& entries) {
    for (const kelvd::DriverEntry& row : entries)
        rows.push_back({table, &row});
}

void Append(std::vector<ListedCategory>& rows, const char* table,
            const kelvd::CategoryTable& categories) {
    for (const kelvd::ApiCategory& category : categories)
        rows.push_back({table, &category});
}

} // namespace

std::vector<ListedDriver> ListDrivers(const kelvd::ConfigModel& model) {
    std::vector<ListedDriver> rows;
    Append(rows, "driver", model.drivers);
    Append(rows, "display", model.displayDrivers);
    Append(rows, "user", model.userDrivers);
    Append(rows, "vxd", model.vxds);
    Append(rows, "user-vxd", model.userVxds);
    return rows;
}

std::vector<ListedCategory> ListCategories(const kelvd::ConfigModel& model) {
    std::vector<ListedCategory> rows;
    Append(rows, "api", model.apiCategories);
    Append(rows, "vxd-api", model.vxdApiCategories);
    return rows;
}

std::string StateText(uint32_t state) {
    if (state <= 1)
        return state ? "on" : "off";
    return "on (" + std::to_string(state) + ")";
}

const char* CategoryStateText(uint32_t state) {
    switch (state) {
    case 0:
        return "none";
    case 1:
        return "all";
    default:
        return "some";
    }
}

} // namespace kelvcfg
