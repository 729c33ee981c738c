// The hook-state file: for every API event of the catalogue whether the checker hooks it, one
// "name=value" line each, in the suite's install directory ("hookstate.dat" on NT,
// "hookstate9x.dat" on Windows 9x). Where it exists it decides every event flag and every
// category's check state.
#pragma once

#include "platform/file_system.h"
#include "stores/string_int_map.h"

#include <memory>

#include <string>

namespace kelvd {

// The file's path: the suite's install directory (empty when it cannot be read) and the file
// name of the platform; false when it does not fit a path buffer of 260 bytes.
bool HookStatePath(std::string* path);

// The file opened in mode; null when its path does not fit or it cannot be opened.
std::unique_ptr<platform::File> OpenHookStateFile(platform::OpenMode mode);

// Reads the file and sets every event flag of apiCategories (and, on Windows 9x,
// vxdApiCategories) from it, with the categories' check states. Without the file nothing
// changes.
void LoadHookState();

// Writes one "%s=%d\n" line per event of apiCategories (and, on Windows 9x, vxdApiCategories),
// replacing the file. When it cannot be created nothing is written; when the model holds no
// catalogue (catalogueVersion is kNoCatalogue) the file is left as it is.
void SaveHookState();

// The process-wide map LoadHookState collects the file into; empty between calls.
StringIntMap& hookStateMap();

} // namespace kelvd
