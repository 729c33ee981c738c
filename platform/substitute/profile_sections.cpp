// Profile files on Linux: real INI files in the substitute system's Windows directory, read and
// written by sections as the profile calls do. Lines are trimmed, blank lines skipped, and a
// section name matches whatever the case of its ASCII letters; the file is written with CR LF.
#include "platform/profile_sections.h"

#include "platform/file_system.h"
#include "platform/multibyte.h"
#include "platform/system_info.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {

namespace {

std::string Trim(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return std::string();
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// The section a trimmed line opens, or false when it opens none.
bool SectionName(const std::string& line, std::string* name) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return false;
    *name = Trim(line.substr(1, line.size() - 2));
    return true;
}

// A bare file name lies in the Windows directory; a path is taken as it is.
std::string ProfilePath(const char* file) {
    if (std::strpbrk(file, "\\/"))
        return file;
    return systemInfo().WindowsDirectory(kMaxPath) + "\\" + file;
}

std::vector<std::string> Lines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        lines.push_back(Trim(content.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

class SubstituteProfileSections final : public ProfileSections {
public:
    bool Read(const char* section, const char* file, std::string* entries) override {
        entries->clear();
        std::string content;
        bool inSection = false;
        if (ReadWholeFile(ProfilePath(file), OpenMode::ReadBinary, &content)) {
            for (const std::string& line : Lines(content)) {
                std::string name;
                if (SectionName(line, &name))
                    inSection = MbsICmp(name.c_str(), section) == 0;
                else if (inSection && !line.empty())
                    *entries += line + '\0';
            }
        }
        *entries += '\0';
        return true;
    }

    bool Write(const char* section, const std::string& entries, const char* file) override {
        std::string content, result;
        ReadWholeFile(ProfilePath(file), OpenMode::ReadBinary, &content);
        bool inSection = false, written = false;
        for (const std::string& line : Lines(content)) {
            std::string name;
            if (SectionName(line, &name)) {
                inSection = MbsICmp(name.c_str(), section) == 0;
                if (inSection && !written) {
                    result += SectionText(section, entries);
                    written = true;
                }
            }
            if (!inSection && !line.empty())
                result += line + "\r\n";
        }
        if (!written)
            result += SectionText(section, entries);
        return WriteWholeFile(ProfilePath(file), result);
    }

private:
    // The section's header and its entries, one line each, up to the first empty entry.
    static std::string SectionText(const char* section, const std::string& entries) {
        std::string text = std::string("[") + section + "]\r\n";
        for (size_t at = 0; at < entries.size() && entries[at] != '\0';) {
            size_t end = std::min(entries.find('\0', at), entries.size());
            text += entries.substr(at, end - at) + "\r\n";
            at = end + 1;
        }
        return text;
    }
};

} // namespace

ProfileSections& nativeProfileSections() {
    static SubstituteProfileSections instance;
    return instance;
}

} // namespace platform
