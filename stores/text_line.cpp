#include "stores/text_line.h"

#include <cstring>

namespace kelvd {

bool ReadTextLine(platform::File& stream, char (&buffer)[kTextLineSize]) {
    char line[kTextLineSize];
    if (!stream.ReadLine(line, kTextLineSize))
        return false;
    if (char* lineFeed = std::strchr(line, '\n'))
        *lineFeed = '\0';
    std::memcpy(buffer, line, std::strlen(line) + 1);
    return true;
}

} // namespace kelvd
