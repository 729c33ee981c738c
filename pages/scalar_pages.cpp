#include "pages/scalar_pages.h"

namespace kelvd {

ScalarSettings ScalarPages::Read() const {
    ScalarSettings settings;
    settings.memUsage = advanced.GetMemUsage();
    settings.stackThreshold = advanced.GetStackThreshold();
    settings.drPopup = general.GetDRPopup();
    settings.start = general.GetStart();
    settings.numGuardBytes = memoryTrack.GetNumGuardBytes();
    settings.memTrackingOn = memoryTrack.GetMemTrackingOn();
    return settings;
}

void ScalarPages::Apply(const ScalarSettings& settings) const {
    advanced.SetMemUsage(settings.memUsage);
    advanced.SetStackThreshold(settings.stackThreshold);
    general.SetDRPopup(settings.drPopup);
    general.SetStart(settings.start);
    memoryTrack.SetNumGuardBytes(settings.numGuardBytes);
    memoryTrack.SetMemTrackingOn(settings.memTrackingOn);
}

} // namespace kelvd
