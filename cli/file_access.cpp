#include "cli/file_access.h"

#ifdef _WIN32
#include "platform/win32/windows_support.h"
#else
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelvcfg {

#ifdef _WIN32

std::string WhyNotReplaceable(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return "the file is read-only";
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return "it is a directory";
    return std::string();
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

#else

namespace {

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

// A file without any write permission is read-only for everyone, its owner and the superuser
// alike: the superuser's access() would allow it.
std::string WhyNotReplaceable(const std::string& path) {
    struct stat status;
    if (::stat(path.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return "it is a directory";
        if (!(status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) || ::access(path.c_str(), W_OK) != 0)
            return "the file is read-only";
    }
    if (::access(DirectoryOf(path).c_str(), W_OK) != 0)
        return std::string("its directory cannot be written (") + std::strerror(errno) + ")";
    return std::string();
}

bool Exists(const std::string& path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0;
}

#endif

} // namespace kelvcfg
