#include "doubles/memory_file_system.h"

#include "doubles/memory_file.h"

namespace platform {

namespace {

// A file being written: what it holds becomes the file when it is closed.
class WrittenFile final : public File {
public:
    explicit WrittenFile(std::string& target) : target_(target), data_(std::string()) {}
    ~WrittenFile() override { Close(); }

    char* ReadLine(char*, int) override { return nullptr; }
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void* data, size_t size) override { return data_.Write(data, size); }
    bool Seek(long offset) override { return data_.Seek(offset); }
    long Tell() override { return data_.Tell(); }
    bool Close() override {
        target_ = data_.content();
        return true;
    }

private:
    std::string& target_;
    MemoryFile data_;
};

} // namespace

std::unique_ptr<File> MemoryFileSystem::Open(const char* path, OpenMode mode) {
    if (mode == OpenMode::WriteBinary)
        return std::make_unique<WrittenFile>(files[path]);
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
    files[to] = std::move(it->second);
    files.erase(from);
    return true;
}

} // namespace platform
