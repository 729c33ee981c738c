// The names under which the checker reads its settings from its service key, locally and on an
// embedded target, and in the Farhand export.
#pragma once

#include "model/scalar_settings.h"

#include <cstddef>

namespace kelvd {

struct ScalarValue {
    const char* name;
    uint32_t ScalarSettings::*field;
};

// The six scalar settings, in the order the stores write them.
extern const ScalarValue kScalarValues[6];
constexpr const char* kStartValue = "Start";

// The three state lists.
constexpr const char* kDriverValue = "Driver";
constexpr const char* kUserDriverValue = "UserDriver";
constexpr const char* kDisplayDriverValue = "InstalledDisplayDrivers";

} // namespace kelvd
