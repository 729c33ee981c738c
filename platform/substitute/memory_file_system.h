// A file system held in memory: files by exact path, read in Windows text mode or as bytes, and
// written whole when closed. Fuzzers run the readers on it without touching a disk.
#pragma once

#include "platform/file_system.h"

#include <map>
#include <string>

namespace platform {

class MemoryFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const char* path, OpenMode mode) override;
    bool Rename(const char* from, const char* to) override;
    bool Remove(const char* path) override { return files.erase(path) > 0; }

    std::map<std::string, std::string> files;
};

} // namespace platform
