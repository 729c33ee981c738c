// Service image paths as the kernel records them, made into paths that files can be opened by.
#pragma once

#include <string>

namespace kelvd {

// "\SystemRoot\System32\..." and "System32\..." (either in any case) become the system
// directory's "...", and "\??\" is dropped from the front; every other path stays as it is.
std::string NormalizeImagePath(const std::string& imagePath);

} // namespace kelvd
