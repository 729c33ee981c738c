#include "support/failing_file_system.h"

#include <algorithm>

namespace kelvd::test {

namespace {

struct FailingFile final : platform::File {
    FailingFile(std::unique_ptr<platform::File> inner, FailingFileSystem& owner)
        : inner_(std::move(inner)), owner_(owner) {}

    char* ReadLine(char* buffer, int size) override { return inner_->ReadLine(buffer, size); }
    size_t Read(void* buffer, size_t size) override { return inner_->Read(buffer, size); }
    size_t Write(const void* data, size_t size) override {
        size_t allowed = std::min(size, owner_.writeBudget);
        owner_.writeBudget -= allowed;
        return inner_->Write(data, allowed);
    }
    bool Seek(long offset) override { return inner_->Seek(offset); }
    long Tell() override { return inner_->Tell(); }
    bool Close() override { return inner_->Close() && !owner_.failClose; }

private:
    std::unique_ptr<platform::File> inner_;
    FailingFileSystem& owner_;
};

} // namespace

std::unique_ptr<platform::File> FailingFileSystem::Open(const char* path, platform::OpenMode mode) {
    std::unique_ptr<platform::File> inner = platform::nativeFileSystem().Open(path, mode);
    return inner ? std::make_unique<FailingFile>(std::move(inner), *this) : nullptr;
}

bool FailingFileSystem::Rename(const char* from, const char* to) {
    return !failRename && platform::nativeFileSystem().Rename(from, to);
}

bool FailingFileSystem::Remove(const char* path) {
    return platform::nativeFileSystem().Remove(path);
}

} // namespace kelvd::test
