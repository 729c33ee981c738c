#include "plain_io.h"

#include "platform/file_system.h"
#include "stores/text_line.h"

#include <memory>

namespace kelvd::bench {

size_t ReadLines(const std::string& path) {
    std::unique_ptr<platform::File> file =
        platform::nativeFileSystem().Open(path.c_str(), platform::OpenMode::ReadText);
    if (!file)
        return 0;
    char line[kTextLineSize];
    size_t count = 0;
    while (file->ReadLine(line, sizeof line))
        ++count;
    return count;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::unique_ptr<platform::File> file =
        platform::nativeFileSystem().Open(path.c_str(), platform::OpenMode::WriteBinary);
    if (!file)
        return;
    for (const std::string& line : lines)
        file->Write(line.data(), line.size());
    file->Close();
}

std::vector<std::string> FileLines(const std::string& path) {
    std::string bytes = FileBytes(path);
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        end = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string FileBytes(const std::string& path) {
    std::string bytes;
    platform::ReadWholeFile(path, platform::OpenMode::ReadBinary, &bytes);
    return bytes;
}

} // namespace kelvd::bench
