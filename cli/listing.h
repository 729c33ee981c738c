// The rows of a model as kelvcfg lists them: every driver with the table it is in, in the order
// of the driver pages' keys (drivers, display drivers, user drivers, then the VxDs and user VxDs),
// and every API category (the VxD API categories after the others).
#pragma once

#include "model/config_model.h"

#include <string>
#include <vector>

namespace kelvcfg {

struct ListedDriver {
    const char* table; // "driver", "display", "user", "vxd", "user-vxd"
    const kelvd::DriverEntry* row;
};

struct ListedCategory {
    const char* table; // "api", "vxd-api"
    const kelvd::ApiCategory* category;
};

std::vector<ListedDriver> ListDrivers(const kelvd::ConfigModel& model);
std::vector<ListedCategory> ListCategories(const kelvd::ConfigModel& model);

// A row's or an event's state: "off" for 0, "on" for 1, and "on (N)" for another value (2: a
// display driver's "on").
std::string StateText(uint32_t state);
// A category's tri-state: "none", "all", "some".
const char* CategoryStateText(uint32_t state);

} // namespace kelvcfg
