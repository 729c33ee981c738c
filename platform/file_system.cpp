#include "platform/file_system.h"
#include "platform/replacing_file.h"

namespace platform {

FileSystem& fileSystem() {
    FileSystem* replacement = ScopedFileSystem::slot();
    return replacement ? *replacement : nativeFileSystem();
}

bool ReadWholeFile(const std::string& path, OpenMode mode, std::string* content) {
    content->clear();
    std::unique_ptr<File> file = fileSystem().Open(path.c_str(), mode);
    if (!file)
        return false;
    char chunk[4096];
    for (size_t n; (n = file->Read(chunk, sizeof chunk)) > 0;)
        content->append(chunk, n);
    return file->Close();
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
    std::unique_ptr<File> file = OpenForReplace(path);
    if (!file)
        return false;
    bool written = file->Write(content.data(), content.size()) == content.size();
    return file->Close() && written;
}

} // namespace platform
