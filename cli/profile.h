// Profiles: the configuration of a place as JSON text, to review, diff and merge in version control
// and to apply to any place. A profile holds its format version ("kelvd-profile"), the drivers of
// each table by file name (user drivers by path) with their state, every category of each table
// with every event's flag, and the six settings by their registry names. Keys are sorted and every
// driver, event and setting is one line, so that two profiles diff line by line.
#pragma once

#include "model/config_model.h"
#include "model/scalar_settings.h"

#include <string>
#include <vector>

namespace kelvcfg {

constexpr int kProfileVersion = 1;

// The profile of the model and settings.
std::string ProfileText(const kelvd::ConfigModel& model, const kelvd::ScalarSettings& settings);

// Applies a profile to the library's model and to *settings as the driver, event and set commands
// apply their arguments, and a user driver the place lacks as driver add does. A driver, category
// or event the place does not have throws a CommandError (kNotFound), unless ignoreMissing: then
// it is passed over and named in *skipped ("driver NAME", "category NAME", "event CATEGORY /
// NAME"). Text that is no profile of this version throws kUnreadable; settings are refused with
// set's codes and messages.
void ApplyProfile(const std::string& text, bool ignoreMissing, kelvd::ScalarSettings* settings,
                  std::vector<std::string>* skipped);

} // namespace kelvcfg
