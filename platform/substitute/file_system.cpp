// Files on the Linux file system, reached by Windows-style paths (a backslash is a directory
// separator), with the Windows text mode of the runtime: a CR directly before an LF is dropped,
// and a Ctrl-Z byte ends the file.
#include "platform/stdio_file.h"
#include "platform/substitute/memory_file.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include <sys/stat.h>

namespace platform {

namespace {

std::string LocalPath(const char* path) {
    std::string local = path;
    std::replace(local.begin(), local.end(), '\\', '/');
    return local;
}

class SubstituteFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const char* path, OpenMode mode) override {
        std::string local = LocalPath(path);
        switch (mode) {
        case OpenMode::ReadText: {
            std::unique_ptr<File> raw = StdioFile::Open(local.c_str(), "rb");
            if (!raw)
                return nullptr;
            // Sized once from the file's size, so that the bytes are copied once as they are read.
            std::string content;
            struct stat status;
            if (::stat(local.c_str(), &status) == 0 && status.st_size > 0)
                content.reserve(static_cast<size_t>(status.st_size));
            char chunk[4096];
            for (size_t n; (n = raw->Read(chunk, sizeof chunk)) > 0;)
                content.append(chunk, n);
            return std::make_unique<MemoryFile>(ToTextMode(std::move(content)));
        }
        case OpenMode::ReadBinary:
            return StdioFile::Open(local.c_str(), "rb");
        case OpenMode::WriteBinary:
            return StdioFile::Open(local.c_str(), "wb");
        }
        return nullptr;
    }

    // Windows refuses to replace a read-only file; here that is a file nobody may write.
    bool Rename(const char* from, const char* to) override {
        struct stat target;
        if (::stat(LocalPath(to).c_str(), &target) == 0 &&
            (target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return false;
        return std::rename(LocalPath(from).c_str(), LocalPath(to).c_str()) == 0;
    }

    bool Remove(const char* path) override { return std::remove(LocalPath(path).c_str()) == 0; }
};

} // namespace

FileSystem& nativeFileSystem() {
    static SubstituteFileSystem instance;
    return instance;
}

} // namespace platform
