// The one line reader of the text files the library reads.
#pragma once

#include <cstddef>

#include "platform/file_system.h"

namespace kelvd {

constexpr int kTextLineSize = 256; // a line of at most 255 characters and its terminator

// Reads one line of at most 255 characters (a longer line comes as two or more) and cuts it at
// its LF; *length, when given, is the length of the text. At the end of the file it reads
// nothing, leaves buffer as it was and returns false.
bool ReadTextLine(platform::File& stream, char (&buffer)[kTextLineSize], size_t* length = nullptr);

} // namespace kelvd
