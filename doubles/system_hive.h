// A SYSTEM hive file as an offline Windows image holds it, made for tests, fuzzers and the
// benchmark: an empty hive with a current control set, ControlSet001, named by Select\Current.
// Everything beyond is added through the registry library.
#pragma once

#include <string>

namespace platform {

// Writes the hive to path, a Linux path; false when it cannot.
bool WriteSystemHive(const std::string& path);

} // namespace platform
