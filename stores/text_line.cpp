#include "stores/text_line.h"

#include <cstring>

namespace kelvd {

namespace {

// Cuts the text at its LF and gives its length. The line reader stops after an LF, so an LF in
// the text is its last character.
size_t CutAtLineFeed(char* text) {
    size_t size = std::strlen(text);
    if (size > 0 && text[size - 1] == '\n')
        text[--size] = '\0';
    return size;
}

} // namespace

TextLineReader::TextLineReader(platform::File& stream)
    : stream_(stream), hasAhead_(stream.ReadLine(buffers_[0], kTextLineSize) != nullptr) {}

bool TextLineReader::Next(std::string_view* line) {
    if (!hasAhead_)
        return false;
    char* text = buffers_[ahead_];
    ahead_ ^= 1;
    hasAhead_ = stream_.ReadLine(buffers_[ahead_], kTextLineSize) != nullptr;
    *line = std::string_view(text, CutAtLineFeed(text));
    return true;
}

} // namespace kelvd
