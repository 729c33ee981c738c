#include "stores/checker_value_names.h"

namespace kelvd {

const ScalarValue kScalarValues[6] = {
    {"MemUsage", &ScalarSettings::memUsage},
    {"StackThreshold", &ScalarSettings::stackThreshold},
    {"DRPopup", &ScalarSettings::drPopup},
    {kStartValue, &ScalarSettings::start},
    {"NumGuardBytes", &ScalarSettings::numGuardBytes},
    {"MemTrackingOn", &ScalarSettings::memTrackingOn},
};

} // namespace kelvd
