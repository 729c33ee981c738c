// show: the configuration of a place, for people (aligned columns) or for programs (JSON).
#pragma once

#include "model/config_model.h"
#include "model/scalar_settings.h"

#include <ostream>
#include <string>

namespace kelvcfg {

// Every driver row (table, state, "Driver Name", full path, description, group, start type),
// every category with its state and each event with its flag, and the six settings.
void ShowText(const std::string& place, const kelvd::ConfigModel& model,
              const kelvd::ScalarSettings& settings, std::ostream& out);

// The same as one JSON object; the README documents its members.
void ShowJson(const std::string& place, const kelvd::ConfigModel& model,
              const kelvd::ScalarSettings& settings, std::ostream& out);

} // namespace kelvcfg
