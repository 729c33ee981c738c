// diff: what differs between the configurations of two places, row by row and value by value.
#pragma once

#include "model/config_model.h"
#include "model/scalar_settings.h"

#include <memory>
#include <ostream>
#include <string>

namespace kelvcfg {

// A place's configuration as it was loaded.
struct Snapshot {
    std::string place;
    std::unique_ptr<kelvd::ConfigModel> model;
    kelvd::ScalarSettings settings;
};

// The library's model and the settings now. The model is moved into the snapshot, not copied: the
// library's own is left to be loaded afresh or released.
Snapshot TakeSnapshot(const std::string& place, const kelvd::ScalarSettings& settings);

// Prints a line per difference: a setting, a driver's state (drivers matched by table and path,
// ignoring case, rows of one name paired in their order), a driver or category only one place
// has, an event's flag (events matched by category and name); true when there was any.
bool PrintDifferences(const Snapshot& a, const Snapshot& b, std::ostream& out);

} // namespace kelvcfg
