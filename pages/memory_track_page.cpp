#include "pages/memory_track_page.h"

namespace kelvd {

uint32_t MemoryTrackPage::GetNumGuardBytes() const {
    return numGuardBytes_;
}

void MemoryTrackPage::SetNumGuardBytes(uint32_t value) {
    numGuardBytes_ = value;
}

uint32_t MemoryTrackPage::GetMemTrackingOn() const {
    return memTrackingOn_;
}

void MemoryTrackPage::SetMemTrackingOn(uint32_t value) {
    memTrackingOn_ = value;
}

} // namespace kelvd
