#include "support/temp_dir.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>

#ifdef _WIN32
#include "platform/win32/windows_support.h"
#include <cwchar>
#endif

namespace kelvd::test {

namespace fs = std::filesystem;

// Backslash-joined names are directory separators on Windows and in the substitute file layer,
// so the directory is named with the separator the library itself uses, and respelt here.
std::string TempDir::NativePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

TempDir::TempDir() {
    static std::atomic<unsigned> serial{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path dir = fs::temp_directory_path() /
                   ("kelvd-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    fs::create_directories(dir);
    path_ = dir.string();
    std::replace(path_.begin(), path_.end(), '/', '\\');
}

void TempDir::MakeDirectories(const std::string& path) {
    fs::create_directories(NativePath(path));
}

std::vector<std::string> TempDir::FileNames(const std::string& path) {
    std::vector<std::string> names;
#ifdef _WIN32
    // The runtime's directory iterator cuts paths at MAX_PATH; the system's own search, given
    // the "\\?\" form, takes any length. The tests' names are ASCII.
    const std::string pattern = "\\\\?\\" + path + "\\*";
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(std::wstring(pattern.begin(), pattern.end()).c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(search, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName, found.cFileName + std::wcslen(found.cFileName));
    if (search != INVALID_HANDLE_VALUE)
        ::FindClose(search);
#else
    std::error_code missing;
    for (const fs::directory_entry& entry : fs::directory_iterator(NativePath(path), missing))
        if (entry.is_regular_file())
            names.push_back(entry.path().filename().string());
#endif
    std::sort(names.begin(), names.end());
    return names;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(NativePath(path_), ignored);
}

} // namespace kelvd::test
