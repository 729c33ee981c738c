// The checker's six scalar settings at one moment: what the stores write and read, and what the
// pages show and edit. A default-constructed one holds the initial values, which are also what a
// store takes for a value it cannot read.
#pragma once

#include <cstdint>

namespace kelvd {

struct ScalarSettings {
    static constexpr uint32_t kInitialMemUsage = 1024;        // KB
    static constexpr uint32_t kInitialStackThreshold = 0x400; // bytes
    static constexpr uint32_t kInitialDRPopup = 0;            // never pop up
    static constexpr uint32_t kInitialStart = 0;              // boot start
    static constexpr uint32_t kInitialNumGuardBytes = 8;
    static constexpr uint32_t kInitialMemTrackingOn = 1;

    uint32_t memUsage = kInitialMemUsage;             // the event buffer's size
    uint32_t stackThreshold = kInitialStackThreshold; // 0x400 to 0x2800 for OK to accept it
    uint32_t drPopup = kInitialDRPopup;               // 0 never, 1 errors, 2 errors and warnings
    uint32_t start = kInitialStart;                   // 0 boot start, 3 (or 4) disabled
    uint32_t numGuardBytes = kInitialNumGuardBytes;   // 0, 8, 16 or 32 as the page offers them
    uint32_t memTrackingOn = kInitialMemTrackingOn;   // 1 on, 0 off

    bool operator==(const ScalarSettings& other) const;
    bool operator!=(const ScalarSettings& other) const { return !(*this == other); }
};

} // namespace kelvd
