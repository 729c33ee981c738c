// The three pages that hold the six scalar settings, as the stores reach them: every store reads
// and writes the settings through the pages' accessors, as the settings sheet hands them over.
#pragma once

#include "pages/advanced_settings_page.h"
#include "pages/general_settings_page.h"
#include "pages/memory_track_page.h"

#include <cstdint>

namespace kelvd {

// The six settings at one moment. A default-constructed one holds the pages' initial values,
// which are also what a store takes for a value it cannot read.
struct ScalarSettings {
    uint32_t memUsage = AdvancedSettingsPage::kInitialMemUsage;
    uint32_t stackThreshold = AdvancedSettingsPage::kInitialStackThreshold;
    uint32_t drPopup = GeneralSettingsPage::kInitialDRPopup;
    uint32_t start = GeneralSettingsPage::kInitialStart;
    uint32_t numGuardBytes = MemoryTrackPage::kInitialNumGuardBytes;
    uint32_t memTrackingOn = MemoryTrackPage::kInitialMemTrackingOn;

    bool operator==(const ScalarSettings& other) const;
};

struct ScalarPages {
    GeneralSettingsPage& general;
    AdvancedSettingsPage& advanced;
    MemoryTrackPage& memoryTrack;

    // The settings through the getters (the advanced page's from its edit texts).
    ScalarSettings Read() const;
    // Hands every setting to its setter.
    void Apply(const ScalarSettings& settings) const;
};

} // namespace kelvd
