// The "Memory Tracking" page: whether the checker tracks memory allocations and how many guard
// bytes it adds before and after each one. The values live here and are read and written
// through the accessors, also while the page has no window.
#pragma once

#include <cstdint>

namespace kelvd {

class MemoryTrackPage {
public:
    static constexpr uint32_t kInitialMemTrackingOn = 1;
    static constexpr uint32_t kInitialNumGuardBytes = 8;

    // Plain reads and writes: the setters store any value unchanged.
    uint32_t GetNumGuardBytes() const;
    void SetNumGuardBytes(uint32_t value);
    uint32_t GetMemTrackingOn() const;
    void SetMemTrackingOn(uint32_t value);

private:
    uint32_t memTrackingOn_ = kInitialMemTrackingOn; // 1 on, 0 off
    uint32_t numGuardBytes_ = kInitialNumGuardBytes; // 0, 8, 16 or 32 as the page offers them
};

} // namespace kelvd
