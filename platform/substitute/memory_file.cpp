#include "platform/substitute/memory_file.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace platform {

char* MemoryFile::ReadLine(char* buffer, int size) {
    if (size <= 0 || position_ >= content_.size())
        return nullptr;
    size_t limit = std::min(content_.size() - position_, static_cast<size_t>(size - 1));
    const char* start = content_.data() + position_;
    const void* lineFeed = std::memchr(start, '\n', limit);
    size_t length = lineFeed ? static_cast<const char*>(lineFeed) - start + 1 : limit;
    std::memcpy(buffer, start, length);
    buffer[length] = '\0';
    position_ += length;
    return buffer;
}

size_t MemoryFile::Read(void* buffer, size_t size) {
    size_t length = std::min(size, content_.size() - std::min(position_, content_.size()));
    std::memcpy(buffer, content_.data() + position_, length);
    position_ += length;
    return length;
}

size_t MemoryFile::Write(const void* data, size_t size) {
    if (content_.size() < position_ + size)
        content_.resize(position_ + size);
    content_.replace(position_, size, static_cast<const char*>(data), size);
    position_ += size;
    return size;
}

bool MemoryFile::Seek(long offset) {
    if (offset < 0)
        return false;
    position_ = static_cast<size_t>(offset);
    return true;
}

std::string ToTextMode(std::string text) {
    // Text mode only ever drops bytes, so the text is moved down within its own buffer: each
    // block between two CR LF pairs once, and none while no CR has been dropped yet.
    const size_t end = std::min(text.find('\x1A'), text.size());
    size_t kept = 0, from = 0;
    for (size_t lineEnd; (lineEnd = text.find("\r\n", from)) < end; from = lineEnd + 1) {
        if (kept != from)
            std::char_traits<char>::move(&text[kept], &text[from], lineEnd - from);
        kept += lineEnd - from; // the CR goes, the LF starts the next block
    }
    if (kept != from)
        std::char_traits<char>::move(&text[kept], &text[from], end - from);
    text.resize(kept + end - from);
    return text;
}

} // namespace platform
