// The three pages that hold the six scalar settings while the sheet is open: the sheet reads the
// settings from them for the stores and hands them what the stores read, through the pages'
// accessors.
#pragma once

#include "model/scalar_settings.h"
#include "pages/advanced_settings_page.h"
#include "pages/general_settings_page.h"
#include "pages/memory_track_page.h"

#include <cstdint>

namespace kelvd {

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
