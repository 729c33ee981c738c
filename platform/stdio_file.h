// A File over a runtime FILE stream, shared by the platforms.
#pragma once

#include "platform/file_system.h"

#include <cstdio>

namespace platform {

class StdioFile final : public File {
public:
    // Takes ownership of stream, which must not be null.
    explicit StdioFile(std::FILE* stream) : stream_(stream) {}
    ~StdioFile() override { Close(); }

    char* ReadLine(char* buffer, int size) override;
    size_t Read(void* buffer, size_t size) override;
    size_t Write(const void* data, size_t size) override;
    bool Seek(long offset) override;
    long Tell() override;
    bool Close() override;

    // Opens path with an fopen mode string; null when fopen fails.
    static std::unique_ptr<File> Open(const char* path, const char* mode);

private:
    std::FILE* stream_;
};

} // namespace platform
