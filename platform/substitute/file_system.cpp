// Files on the Linux file system, reached by Windows-style paths (a backslash is a directory
// separator), with the Windows text mode of the runtime: a CR directly before an LF is dropped,
// and a Ctrl-Z byte ends the file.
#include "platform/stdio_file.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace platform {

namespace {

std::string LocalPath(const char* path) {
    std::string local = path;
    std::replace(local.begin(), local.end(), '\\', '/');
    return local;
}

std::string ToTextMode(const std::string& raw) {
    std::string text;
    text.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\x1A')
            break;
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')
            continue;
        text += raw[i];
    }
    return text;
}

// A file opened for reading in text mode, translated once when it is opened.
class TextModeFile final : public File {
public:
    explicit TextModeFile(std::string text) : text_(std::move(text)) {}

    char* ReadLine(char* buffer, int size) override {
        if (size <= 0 || position_ >= text_.size())
            return nullptr;
        size_t limit = std::min(text_.size() - position_, static_cast<size_t>(size - 1));
        const char* start = text_.data() + position_;
        const void* lineFeed = std::memchr(start, '\n', limit);
        size_t length = lineFeed ? static_cast<const char*>(lineFeed) - start + 1 : limit;
        std::memcpy(buffer, start, length);
        buffer[length] = '\0';
        position_ += length;
        return buffer;
    }

    size_t Read(void* buffer, size_t size) override {
        size_t length = std::min(size, text_.size() - position_);
        std::memcpy(buffer, text_.data() + position_, length);
        position_ += length;
        return length;
    }

    size_t Write(const void*, size_t) override { return 0; }

    bool Seek(long offset) override {
        if (offset < 0)
            return false;
        position_ = static_cast<size_t>(offset);
        return true;
    }

    long Tell() override { return static_cast<long>(position_); }
    bool Close() override { return true; }

private:
    std::string text_;
    size_t position_ = 0;
};

class SubstituteFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const char* path, OpenMode mode) override {
        std::string local = LocalPath(path);
        switch (mode) {
        case OpenMode::ReadText: {
            std::unique_ptr<File> raw = StdioFile::Open(local.c_str(), "rb");
            if (!raw)
                return nullptr;
            std::string content;
            char chunk[4096];
            for (size_t n; (n = raw->Read(chunk, sizeof chunk)) > 0;)
                content.append(chunk, n);
            return std::make_unique<TextModeFile>(ToTextMode(content));
        }
        case OpenMode::ReadBinary:
            return StdioFile::Open(local.c_str(), "rb");
        case OpenMode::WriteBinary:
            return StdioFile::Open(local.c_str(), "wb");
        }
        return nullptr;
    }
};

} // namespace

FileSystem& nativeFileSystem() {
    static SubstituteFileSystem instance;
    return instance;
}

} // namespace platform
