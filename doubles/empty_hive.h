// A registry hive file with nothing in it but its root key: what an offline hive's tests, the
// fuzzers and the benchmark start from. Registry libraries add keys and values to a hive but do
// not make one from nothing.
#pragma once

#include <string>

namespace platform {

// The bytes of the hive: the 4096-byte base block, then one 4096-byte bin holding the root key
// (named rootName, at most 32 ASCII characters), its security descriptor and free space.
std::string EmptyHive(const std::string& rootName = "ROOT");

} // namespace platform
