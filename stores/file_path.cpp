#include "stores/file_path.h"

#include <cstring>

namespace kelvd {

bool JoinPath(const std::string& dir, const char* fileName, size_t bufferSize, std::string* path) {
    if (dir.size() + std::strlen(fileName) >= bufferSize)
        return false;
    *path = dir + fileName;
    return true;
}

} // namespace kelvd
