// A SYSTEM hive file as an offline Windows image holds it, made for tests, fuzzers and the
// benchmark: an empty hive with one control set and its Services key, which Select names as both
// the Current and the Default one. Everything beyond is added through the registry library.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Writes the hive to path, a Linux path, with ControlSetNNN of controlSet; false when it cannot.
bool WriteSystemHive(const std::string& path, uint32_t controlSet = 1);

} // namespace platform
