// Writing a file so that a reader never finds it half written.
#pragma once

#include "platform/file_system.h"

#include <memory>
#include <string>

namespace platform {

// Opens path for writing in binary mode so that it is replaced only when everything was written:
// the data goes to a temporary file beside it, "<path>.new~", which Close() moves over path once
// every write and the close itself succeeded. A failed write, a failed close, or a file destroyed
// without Close() leaves path as it was and removes the temporary file. Null when the temporary
// file cannot be created. When the temporary name would not fit the path limit, the temporary
// file could be neither moved nor removed: path is then opened and written in place, as a plain
// "wb" write does, and null when it cannot be.
std::unique_ptr<File> OpenForReplace(const std::string& path);

} // namespace platform
