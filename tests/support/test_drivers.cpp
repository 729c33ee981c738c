#include "support/test_drivers.h"

namespace kelvd::test {

std::string TestDriver(const std::string& fileName) {
    std::string path = KELVD_TEST_DRIVERS;
#ifdef _WIN32
    for (char& c : path)
        if (c == '/')
            c = '\\';
    path = "Z:" + path;
#endif
    return path + "\\" + fileName;
}

} // namespace kelvd::test
