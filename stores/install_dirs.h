// The install directories of the Kitwright suite and of the Forgeline product family, as their
// setup programs record them.
#pragma once

#include <cstdint>
#include <string>

namespace kelvd {

constexpr const char* kSuiteKey = "Software\\Ostrand\\Kitwright";
constexpr const char* kFamilyKey = "Software\\Ostrand\\Forgeline";
constexpr const char* kInstallDirValue = "InstallDir";

// The InstallDir value of key (opened with full access), read into a buffer of bufferSize
// bytes; false, with dir empty, when the key or the value cannot be read or does not fit.
bool ReadInstallDir(const char* key, uint32_t bufferSize, std::string* dir);

// The suite's and the family's install directory (at most 511 characters), or the empty text.
void GetSuiteInstallDir(std::string* out);
void GetFamilyInstallDir(std::string* out);

} // namespace kelvd
