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

} // namespace kelvd::bench
