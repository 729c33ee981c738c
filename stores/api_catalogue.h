// The API catalogue: the text file installed with the suite that lists the API categories the
// checker can hook and their events ("KELVD.API" on NT, "KELVD9X.API" on Windows 9x).
#pragma once

#include "model/config_model.h"
#include "platform/file_system.h"

#include <cstdint>
#include <optional>

namespace kelvd {

// What ReadApiCatalogue gives when there is no usable catalogue.
constexpr uint32_t kNoCatalogue = 255;
constexpr int kMaxCategories = 50;

// Reads the catalogue from an open text stream into api and, when win9x, vxdApi: the version
// from the first line, or nothing when the stream breaks the format (it ends before its counts
// say, or a count is negative or above 50). Both tables are emptied first, and emptied again on
// failure, so no rows of an earlier read survive.
std::optional<uint32_t> ParseApiCatalogue(platform::File& stream, bool win9x, CategoryTable& api,
                                          CategoryTable& vxdApi);

// Finds the catalogue in the suite's install directory and reads it into configModel(): the
// version, or kNoCatalogue when it cannot be found or read.
uint32_t ReadApiCatalogue();

} // namespace kelvd
