// A fresh directory for one test, removed with everything in it afterwards.
#pragma once

#include <string>
#include <vector>

namespace kelvd::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, in the platform's own spelling (backslashes on Windows).
    const std::string& path() const { return path_; }
    // path() joined with name by a backslash, as the library joins install directories.
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

    // Makes the directory of the library's spelling path, with its parents.
    static void MakeDirectories(const std::string& path);
    // A path of the library's spelling as the build machine's own calls take it.
    static std::string NativePath(std::string path);
    // The names of the files in the directory of the library's spelling path, sorted.
    static std::vector<std::string> FileNames(const std::string& path);

private:
    std::string path_;
};

} // namespace kelvd::test
