// The runtime's own stdio: its text mode is the Windows text mode.
#include "platform/replace_by_moves.h"
#include "platform/stdio_file.h"

#include "platform/win32/windows_support.h"

namespace platform {

namespace {

// Windows 9x's moves: MoveFileA fails when the target exists.
class Win32PlainMoves final : public PlainMoves {
public:
    bool Move(const char* from, const char* to) override { return ::MoveFileA(from, to) != 0; }
    bool Remove(const char* path) override { return ::DeleteFileA(path) != 0; }
};

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

    bool Rename(const char* from, const char* to) override {
        // Windows refuses to replace a read-only file, and Wine does not: the file the user
        // marked read-only stays on both.
        const DWORD attributes = ::GetFileAttributesA(to);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            return false;
        if (::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING))
            return true;
        // Windows 9x has no MoveFileExA: there the old file is moved aside first.
        if (::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
            return false;
        Win32PlainMoves moves;
        return ReplaceByMoves(moves, from, to);
    }

    bool Remove(const char* path) override { return ::DeleteFileA(path) != 0; }
};

} // namespace

FileSystem& nativeFileSystem() {
    static Win32FileSystem instance;
    return instance;
}

} // namespace platform
