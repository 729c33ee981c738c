#include "support/test_drivers.h"

namespace kelvd::test {

std::string TestSystemDirectory() {
    std::string path = KELVD_TEST_SYSTEM;
#ifdef _WIN32
    for (char& c : path)
        if (c == '/')
            c = '\\';
    path = "Z:" + path;
#endif
    return path;
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
