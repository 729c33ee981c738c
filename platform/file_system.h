// Files as the library uses them: the runtime's stdio calls behind a small interface. Text mode
// is Windows text mode on every platform: a CR before an LF is dropped and Ctrl-Z ends the file.
#pragma once

#include "platform/override.h"

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

// The system's path limit (MAX_PATH), terminator included: a longer path is refused by the calls
// that open, move and delete files, and the directories the system gives are read into buffers of
// this size.
constexpr size_t kMaxPath = 260;

enum class OpenMode { ReadText, ReadBinary, WriteBinary };

class File {
public:
    virtual ~File() = default;

    // fgets: reads up to size - 1 characters, stopping after an LF, and terminates the text.
    // At the end of the file it reads nothing, leaves the buffer as it was and returns null.
    virtual char* ReadLine(char* buffer, int size) = 0;
    // fread of bytes: the number read.
    virtual size_t Read(void* buffer, size_t size) = 0;
    // fwrite of bytes: the number written.
    virtual size_t Write(const void* data, size_t size) = 0;
    // fseek from the start, ftell.
    virtual bool Seek(long offset) = 0;
    virtual long Tell() = 0;
    // fclose: false when data still buffered could not be written.
    virtual bool Close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // fopen with "r", "rb" or "wb"; null when the file cannot be opened.
    virtual std::unique_ptr<File> Open(const char* path, OpenMode mode) = 0;
    // Moves a file to a new name in the same directory, replacing any file of that name in one
    // step.
    virtual bool Rename(const char* from, const char* to) = 0;
    // Deletes a file.
    virtual bool Remove(const char* path) = 0;
};

FileSystem& fileSystem();
FileSystem& nativeFileSystem();
using ScopedFileSystem = Override<FileSystem>;

// The whole content of a file, or false when it cannot be opened.
bool ReadWholeFile(const std::string& path, OpenMode mode, std::string* content);
// Writes content as the whole new file; false when it cannot be created or fully written.
bool WriteWholeFile(const std::string& path, const std::string& content);

} // namespace platform
