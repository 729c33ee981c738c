#include "stores/text_line.h"

#include <cstring>

namespace kelvd {

bool ReadTextLine(platform::File& stream, char (&buffer)[kTextLineSize], size_t* length) {
    // At the end of the file the line reader leaves the buffer as it was.
    if (!stream.ReadLine(buffer, kTextLineSize))
        return false;
    // It stops after an LF, so an LF in the text is its last character.
    size_t size = std::strlen(buffer);
    if (size > 0 && buffer[size - 1] == '\n')
        buffer[--size] = '\0';
    if (length)
        *length = size;
    return true;
}

} // namespace kelvd
