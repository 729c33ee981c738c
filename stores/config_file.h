// The binary configuration file: a snapshot of the monitoring choices and the six scalar
// settings. It is the user's "*.kwt" files, the checker VxD's own "KELVDVXD.CFG" on Windows 9x,
// and the Farhand export on Windows 9x. After the 72-byte header come six sections:
//   drivers, user drivers:  per row n (32 bits, the path's length + 1), the path and its 0 byte,
//                           the state byte
//   VxDs, user VxDs:        per row the path and its 0 byte, the state byte
//   API, VxD API categories: per category n (the name's length + 1), the name and its 0 byte,
//                           m (32 bits, the event count), m flag bytes
// The display drivers are not part of it.
#pragma once

#include "model/scalar_settings.h"

#include <optional>
#include <string>

namespace kelvd {

// The checker VxD's own file, "KELVDVXD.CFG" in the system directory; false when the path does
// not fit a path buffer.
bool VxdConfigPath(std::string* path);

// Writes the file, replacing it; nothing is reported when it cannot be created.
void SaveConfigFile(const std::string& path, const ScalarSettings& settings);

// Reads the file: the rows' states are merged into the driver and VxD tables (rows that are not
// there are added), the flags go to the categories of the same name, and the file's settings are
// returned. Nothing changes, and nothing is returned, when the file cannot be opened or is
// shorter than its header.
std::optional<ScalarSettings> LoadConfigFile(const std::string& path);

} // namespace kelvd
