// The one line reader of the text files the library reads.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/file_system.h"

namespace kelvd {

constexpr int kTextLineSize = 256; // a line of at most 255 characters and its terminator

// Reads a text file line by line, one line ahead. A line is at most 255 characters (a longer line
// comes as two or more) and is cut at its LF. It is measured only once the next one has been read
// into another buffer, by when the bytes just copied into it can be read back at full speed
// (reading them at once stalls until the copy lands, about a tenth of the time a file of short
// lines such as the hook-state file or the catalogue takes to load).
class TextLineReader {
public:
    explicit TextLineReader(platform::File& stream);
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // The next line, followed by a NUL in its buffer and valid until the next call; false at the
    // end of the file.
    bool Next(std::string_view* line);

private:
    platform::File& stream_;
    char buffers_[2][kTextLineSize];
    int ahead_ = 0; // the buffer holding the line read ahead
    bool hasAhead_; // false once the end of the file has been reached
};

} // namespace kelvd
