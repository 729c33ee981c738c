#include "support/test_drivers.h"

namespace kelvd::test {

std::string LibraryPath(const std::string& hostPath) {
    std::string path = hostPath;
#ifdef _WIN32
    for (char& c : path)
        if (c == '/')
            c = '\\';
    path = "Z:" + path;
#endif
    return path;
}

std::string TestSystemDirectory() {
    return LibraryPath(KELVD_TEST_SYSTEM);
}

std::string TestDriver(const std::string& fileName) {
    return TestSystemDirectory() + "\\DRIVERS\\" + fileName;
}

platform::SystemFacts TestSystemFacts() {
    platform::SystemFacts facts;
    facts.systemDirectory = TestSystemDirectory();
    return facts;
}

} // namespace kelvd::test
