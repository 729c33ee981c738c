#include "model/scalar_settings.h"

namespace kelvd {

bool ScalarSettings::operator==(const ScalarSettings& other) const {
    return memUsage == other.memUsage && stackThreshold == other.stackThreshold &&
           drPopup == other.drPopup && start == other.start &&
           numGuardBytes == other.numGuardBytes && memTrackingOn == other.memTrackingOn;
}

} // namespace kelvd
