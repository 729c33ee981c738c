#include "platform/stdio_file.h"

namespace platform {

char* StdioFile::ReadLine(char* buffer, int size) {
    return stream_ ? std::fgets(buffer, size, stream_) : nullptr;
}

size_t StdioFile::Read(void* buffer, size_t size) {
    return stream_ ? std::fread(buffer, 1, size, stream_) : 0;
}

size_t StdioFile::Write(const void* data, size_t size) {
    return stream_ ? std::fwrite(data, 1, size, stream_) : 0;
}

bool StdioFile::Seek(long offset) {
    return stream_ && std::fseek(stream_, offset, SEEK_SET) == 0;
}

long StdioFile::Tell() {
    return stream_ ? std::ftell(stream_) : -1;
}

bool StdioFile::Close() {
    if (!stream_)
        return true;
    bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    return closed;
}

std::unique_ptr<File> StdioFile::Open(const char* path, const char* mode) {
    std::FILE* stream = std::fopen(path, mode);
    if (!stream)
        return nullptr;
    return std::make_unique<StdioFile>(stream);
}

} // namespace platform
