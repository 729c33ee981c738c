#include "image_reads.h"

#include "platform/file_system.h"

#include <memory>

namespace kelvd::floor {

namespace {

using platform::File;

// A file of the platform's whose moves and reads are noted in image.
class RecordingFile final : public File {
public:
    RecordingFile(std::unique_ptr<File> file, ImageReads::Image& image)
        : file_(std::move(file)), image_(image) {}

    char* ReadLine(char* buffer, int size) override { return file_->ReadLine(buffer, size); }
    size_t Read(void* buffer, size_t size) override {
        image_.steps.push_back({false, static_cast<long>(size)});
        return file_->Read(buffer, size);
    }
    size_t Write(const void* data, size_t size) override { return file_->Write(data, size); }
    bool Seek(long offset) override {
        image_.steps.push_back({true, offset});
        return file_->Seek(offset);
    }
    long Tell() override { return file_->Tell(); }
    bool Close() override { return file_->Close(); }

private:
    std::unique_ptr<File> file_;
    ImageReads::Image& image_;
};

// The platform's files, with every file opened for reading noted (a file that does not open
// too: the floor tries it as the library did).
class RecordingFileSystem final : public platform::FileSystem {
public:
    explicit RecordingFileSystem(std::deque<ImageReads::Image>& images) : images_(images) {}

    std::unique_ptr<File> Open(const char* path, platform::OpenMode mode) override {
        std::unique_ptr<File> file = platform::nativeFileSystem().Open(path, mode);
        if (mode != platform::OpenMode::ReadBinary)
            return file;
        images_.push_back({path, {}});
        if (!file)
            return nullptr;
        return std::make_unique<RecordingFile>(std::move(file), images_.back());
    }
    bool Rename(const char* from, const char* to) override {
        return platform::nativeFileSystem().Rename(from, to);
    }
    bool Remove(const char* path) override { return platform::nativeFileSystem().Remove(path); }

private:
    std::deque<ImageReads::Image>& images_;
};

} // namespace

void ImageReads::Record(const std::function<void()>& load) {
    RecordingFileSystem recorder(images_);
    platform::ScopedFileSystem recording(recorder);
    load();
}

void ImageReads::ReadNext() {
    const Image& image = images_[next_++];
    std::unique_ptr<File> file =
        platform::nativeFileSystem().Open(image.path.c_str(), platform::OpenMode::ReadBinary);
    if (!file)
        return;
    std::vector<char> buffer;
    for (const Step& step : image.steps) {
        if (step.seek) {
            file->Seek(step.amount);
        } else {
            buffer.resize(static_cast<size_t>(step.amount));
            file->Read(buffer.data(), buffer.size());
        }
    }
    file->Close();
}

} // namespace kelvd::floor
