// The platform's own file system, made to fail on purpose: writes stop after a budget of bytes,
// or closing or renaming fails. Installed with platform::ScopedFileSystem.
#pragma once

#include "platform/file_system.h"

#include <cstddef>
#include <limits>

namespace kelvd::test {

struct FailingFileSystem final : platform::FileSystem {
    // Bytes that may still be written, over all files opened for writing.
    size_t writeBudget = std::numeric_limits<size_t>::max();
    bool failClose = false;
    bool failRename = false;

    std::unique_ptr<platform::File> Open(const char* path, platform::OpenMode mode) override;
    bool Rename(const char* from, const char* to) override;
    bool Remove(const char* path) override;
};

} // namespace kelvd::test
