// The runtime's own stdio: its text mode is the Windows text mode.
#include "platform/stdio_file.h"

namespace platform {

namespace {

class Win32FileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const char* path, OpenMode mode) override {
        switch (mode) {
        case OpenMode::ReadText:
            return StdioFile::Open(path, "r");
        case OpenMode::ReadBinary:
            return StdioFile::Open(path, "rb");
        case OpenMode::WriteBinary:
            return StdioFile::Open(path, "wb");
        }
        return nullptr;
    }
};

} // namespace

FileSystem& nativeFileSystem() {
    static Win32FileSystem instance;
    return instance;
}

} // namespace platform
