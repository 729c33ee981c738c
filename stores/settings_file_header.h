// The 72-byte header of the binary configuration file: where each of its six sections begins
// and how many entries it holds, and the six scalar settings; every field is 32 bits,
// little-endian. There is no magic number and no version.
#pragma once

#include "model/scalar_settings.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace kelvd {

struct SettingsFileHeader {
    static constexpr size_t kSize = 72;

    struct Section {
        uint32_t offset = 0; // from the start of the file
        uint32_t count = 0;  // of entries
    };

    // In the header's order (the sections themselves follow in the file in the order drivers,
    // userDrivers, vxds, userVxds, apiCategories, vxdApiCategories).
    Section vxds, userVxds, drivers, userDrivers, vxdApiCategories, apiCategories;
    ScalarSettings settings;

    // The kSize bytes of the header.
    std::string Encode() const;
    // The header in the first kSize bytes of bytes.
    static SettingsFileHeader Decode(const uint8_t* bytes);
};

} // namespace kelvd
