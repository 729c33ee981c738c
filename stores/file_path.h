// Paths the stores build from an install directory and a file name, in a path buffer of a
// fixed size as the platform's calls take them.
#pragma once

#include <cstddef>
#include <string>

namespace kelvd {

// dir followed by fileName (which brings its own leading backslash), when the whole path and
// its terminator fit bufferSize bytes. A path that does not fit names no file: a cut path would
// name another one, so the caller treats it as a file that cannot be opened or created.
bool JoinPath(const std::string& dir, const char* fileName, size_t bufferSize, std::string* path);

} // namespace kelvd
