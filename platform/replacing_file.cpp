#include "platform/replacing_file.h"

namespace platform {

namespace {

class ReplacingFile final : public File {
public:
    ReplacingFile(std::unique_ptr<File> temporary, std::string temporaryPath, std::string path)
        : temporary_(std::move(temporary)), temporaryPath_(std::move(temporaryPath)),
          path_(std::move(path)) {}

    ~ReplacingFile() override {
        if (temporary_) {
            temporary_->Close();
            fileSystem().Remove(temporaryPath_.c_str());
        }
    }

    char* ReadLine(char*, int) override { return nullptr; }
    size_t Read(void*, size_t) override { return 0; }

    size_t Write(const void* data, size_t size) override {
        size_t written = temporary_ ? temporary_->Write(data, size) : 0;
        complete_ = complete_ && written == size;
        return written;
    }

    bool Seek(long offset) override {
        bool moved = temporary_ && temporary_->Seek(offset);
        complete_ = complete_ && moved;
        return moved;
    }

    long Tell() override { return temporary_ ? temporary_->Tell() : -1; }

    bool Close() override {
        if (!temporary_)
            return false;
        bool closed = temporary_->Close();
        temporary_.reset();
        if (closed && complete_ && fileSystem().Rename(temporaryPath_.c_str(), path_.c_str()))
            return true;
        fileSystem().Remove(temporaryPath_.c_str());
        return false;
    }

private:
    std::unique_ptr<File> temporary_;
    std::string temporaryPath_;
    std::string path_;
    bool complete_ = true;
};

} // namespace

std::unique_ptr<File> OpenForReplace(const std::string& path) {
    std::string temporaryPath = path + ".new~";
    if (temporaryPath.size() >= kMaxPath)
        return fileSystem().Open(path.c_str(), OpenMode::WriteBinary);
    std::unique_ptr<File> temporary =
        fileSystem().Open(temporaryPath.c_str(), OpenMode::WriteBinary);
    if (!temporary)
        return nullptr;
    return std::make_unique<ReplacingFile>(std::move(temporary), std::move(temporaryPath), path);
}

} // namespace platform
