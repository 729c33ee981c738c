// The six scalar settings by name: how kelvcfg sets them from text and shows them as text.
#pragma once

#include "model/scalar_settings.h"

#include <string>
#include <vector>

namespace kelvcfg {

// Applies NAME=VALUE assignments in order; names are the registry's, compared ignoring case.
// Values: Start boot or disabled; DRPopup 0, 1 or 2; MemUsage and StackThreshold as the advanced
// page reads its edits (decimal KB, hexadecimal bytes); NumGuardBytes one of the memory tracking
// page's choices; MemTrackingOn on or off. Throws a CommandError: kUsage for an unknown name or a
// text without "=", kRefused for a value the setting does not take.
void AssignSettings(const std::vector<std::string>& assignments, kelvd::ScalarSettings* settings);

// The check of the sheet's OK: throws a CommandError (kRefused) with its message when the event
// buffer size or the stack threshold would be refused.
void ValidateSettings(const kelvd::ScalarSettings& settings);

// A setting's value as the text that AssignSettings takes back to it; a value no text gives is
// written as a number, which AssignSettings refuses as set would.
std::string SettingArgument(const std::string& name, uint32_t value);
// A setting's value as show prints it: the advanced page's forms for MemUsage and StackThreshold,
// the number and its meaning for the others.
std::string SettingText(const std::string& name, uint32_t value);

} // namespace kelvcfg
