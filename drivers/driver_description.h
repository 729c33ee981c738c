// A driver file's description, from its version resource.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvd {

constexpr size_t kMaxDescriptionLength = 37;

// The "FileDescription" (else "ProductName") of the file's version resource in the user's
// default language, cut to 37 characters, or the empty text. inDriversDirectory names a bare
// file name in the system's DRIVERS directory. True when the file has a version resource,
// whatever the description turned out to be.
bool GetDriverDescription(const std::string& fileName, bool inDriversDirectory,
                          std::string* description);

// The string value key of a version resource (ReadVersionResource), in the user's default language
// with the Unicode code page; false when there is none.
bool QueryVersionString(const std::vector<uint8_t>& resource, const char* key, std::string* value);

} // namespace kelvd
