#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <filesystem>

namespace kelvd::test {

namespace fs = std::filesystem;

namespace {
// Backslash-joined names are directory separators on Windows and in the substitute file layer,
// so the directory is named here with the separator the library itself uses.
std::string LibrarySpelling(const fs::path& path) {
    std::string text = path.string();
    for (char& c : text)
        if (c == '/')
            c = '\\';
    return text;
}

fs::path NativePath(const std::string& text) {
    std::string native = text;
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return fs::path(native);
}
} // namespace

TempDir::TempDir() {
    static std::atomic<unsigned> serial{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path dir = fs::temp_directory_path() /
                   ("kelvd-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    fs::create_directories(dir);
    path_ = LibrarySpelling(dir);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(NativePath(path_), ignored);
}

} // namespace kelvd::test
