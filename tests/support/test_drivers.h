// The system directory that the build makes for the tests (see tests/CMakeLists.txt): driver
// images "DESCRIBED.SYS", "FOREIGN.SYS", "PRODUCT.SYS" and "PLAIN.SYS" in its DRIVERS directory,
// and "PRINTER.DLL" (described) and "PLAINPRN.DLL" (plain) as printer drivers of version 3.
#pragma once

#include "platform/system_info.h"

#include <string>

namespace kelvd::test {

// A path of the build machine as the library spells paths (on Windows, through drive Z:, which
// Wine maps to the Linux root).
std::string LibraryPath(const std::string& hostPath);
// A copy of that directory made once for this test program and removed at its exit, spelt so. A
// library gone wrong that writes over an image spoils only the run that caught it, never the build
// or the runs after it.
std::string TestSystemDirectory();
// The full path of a driver image in its DRIVERS directory.
std::string TestDriver(const std::string& fileName);
// A Windows 2000 machine whose system directory is that directory.
platform::SystemFacts TestSystemFacts();

} // namespace kelvd::test
