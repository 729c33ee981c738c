// The API catalogue and the hook-state file when the user names them (on Linux, where there is no
// Kitwright directory): the library looks for both in the suite's install directory, so a
// directory of kelvcfg's own is recorded as that directory, and its two files are mapped to the
// files named. A file not named is not there, and is never written.
#pragma once

#include "platform/file_system.h"

#include <string>

namespace kelvcfg {

// Records kelvcfg's own directory as the suite's install directory, in the registry in force.
void NameSuiteDirectory();

// The files of that directory mapped over the file system in force, while this lives.
class SuiteFiles final : public platform::FileSystem {
public:
    // Empty paths name no file.
    SuiteFiles(std::string catalogue, std::string hookState);
    ~SuiteFiles() override;

    std::unique_ptr<platform::File> Open(const char* path, platform::OpenMode mode) override;
    bool Rename(const char* from, const char* to) override;
    bool Remove(const char* path) override;

private:
    // The file path stands for: itself outside the install directory; a named file (or a name
    // beside it) inside; nothing (false) for any other file there.
    bool Map(const char* path, std::string* mapped) const;

    platform::FileSystem& base_;
    std::string catalogue_;
    std::string hookState_;
    platform::ScopedFileSystem scope_;
};

} // namespace kelvcfg
