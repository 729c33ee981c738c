// The driver images that the build makes for the tests (see tests/data): "described.sys",
// "foreign.sys", "product.sys" and "plain.sys".
#pragma once

#include <string>

namespace kelvd::test {

// The image's full path as the library spells paths (on Windows, through drive Z:, which Wine
// maps to the Linux root).
std::string TestDriver(const std::string& fileName);

} // namespace kelvd::test
