#include "support/test_drivers.h"

#include "support/temp_dir.h"

#include <filesystem>

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

namespace {

// The build's test system directory, copied into a directory of its own.
struct SystemCopy {
    SystemCopy() {
        std::filesystem::copy(TempDir::NativePath(LibraryPath(KELVD_TEST_SYSTEM)),
                              TempDir::NativePath(dir.path()),
                              std::filesystem::copy_options::recursive);
    }
    TempDir dir;
};

} // namespace

std::string TestSystemDirectory() {
    static const SystemCopy copy;
    return copy.dir.path();
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
