// Text as the embedded target carries it: UTF-16 names and string data.
#pragma once

#include "target/target_registry.h"

#include <cstddef>
#include <string>

namespace kelvd {

using TargetString = std::basic_string<KelvdTargetChar>;

// Model text (the system's ANSI code page) as the target takes it.
TargetString Widen(const std::string& text);

// The text of a buffer of units: up to its first zero unit, or all units when there is none.
TargetString TextOfUnits(const KelvdTargetChar* units, size_t count);
// Target text in the system's ANSI code page, as the model holds text.
std::string ToModelText(const TargetString& text);

} // namespace kelvd
