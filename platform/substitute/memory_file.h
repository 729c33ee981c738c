// A file held in memory, read and written with the same calls as a file on disk. The substitute's
// text-mode files are these; tests and fuzzers hand the readers bytes this way.
#pragma once

#include "platform/file_system.h"

#include <string>

namespace platform {

class MemoryFile final : public File {
public:
    explicit MemoryFile(std::string content) : content_(std::move(content)) {}

    char* ReadLine(char* buffer, int size) override;
    size_t Read(void* buffer, size_t size) override;
    // Writes at the current position, over what is there and beyond the end.
    size_t Write(const void* data, size_t size) override;
    bool Seek(long offset) override;
    long Tell() override { return static_cast<long>(position_); }
    bool Close() override { return true; }

    const std::string& content() const { return content_; }

private:
    std::string content_;
    size_t position_ = 0;
};

// What a file's bytes read as in Windows text mode: a CR directly before an LF is dropped, and a
// Ctrl-Z byte ends the file.
std::string ToTextMode(std::string raw);

} // namespace platform
