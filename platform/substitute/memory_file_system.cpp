#include "platform/substitute/memory_file_system.h"

#include "platform/substitute/memory_file.h"

namespace platform {

namespace {

// A file being written: what it holds becomes the file at its path when it is closed, once. The
// path is looked up then, not kept as a reference into the map, which a Remove or Rename of the
// path in the meantime would leave dangling.
class WrittenFile final : public File {
public:
    WrittenFile(std::map<std::string, std::string>& files, std::string path)
        : files_(files), path_(std::move(path)), data_(std::string()) {}
    ~WrittenFile() override { Close(); }

    char* ReadLine(char*, int) override { return nullptr; }
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void* data, size_t size) override { return data_.Write(data, size); }
    bool Seek(long offset) override { return data_.Seek(offset); }
    long Tell() override { return data_.Tell(); }
    bool Close() override {
        if (closed_)
            return true;
        closed_ = true;
        files_[path_] = data_.content();
        return true;
    }

private:
    std::map<std::string, std::string>& files_;
    std::string path_;
    MemoryFile data_;
    bool closed_ = false;
};

} // namespace

std::unique_ptr<File> MemoryFileSystem::Open(const char* path, OpenMode mode) {
    if (mode == OpenMode::WriteBinary) {
        files[path].clear(); // as a file opened for writing is, at once
        return std::make_unique<WrittenFile>(files, path);
    }
    auto it = files.find(path);
    if (it == files.end())
        return nullptr;
    return std::make_unique<MemoryFile>(mode == OpenMode::ReadText ? ToTextMode(it->second)
                                                                   : it->second);
}

bool MemoryFileSystem::Rename(const char* from, const char* to) {
    auto it = files.find(from);
    if (it == files.end())
        return false;
    if (it->first == to) // a file renamed onto itself stays as it is
        return true;
    files[to] = std::move(it->second);
    files.erase(from);
    return true;
}

} // namespace platform
