#include "platform/profile_sections.h"

#include "platform/win32/windows_support.h"

namespace platform {

namespace {

constexpr DWORD kLargestSection = 1u << 24;

class Win32ProfileSections final : public ProfileSections {
public:
    bool Read(const char* section, const char* file, std::string* entries) override {
        // A section that does not fit comes back cut, with the length buffer size - 2: read
        // again with a larger buffer until it fits, so no entry is lost.
        for (DWORD size = 1024; size <= kLargestSection; size *= 2) {
            entries->assign(size, '\0');
            DWORD length = ::GetPrivateProfileSectionA(section, entries->data(), size, file);
            if (length + 2 < size) {
                entries->resize(length + 1);
                (*entries)[length] = '\0';
                return true;
            }
        }
        entries->clear();
        return false;
    }

    bool Write(const char* section, const std::string& entries, const char* file) override {
        return ::WritePrivateProfileSectionA(section, entries.c_str(), file) != 0;
    }
};

} // namespace

ProfileSections& nativeProfileSections() {
    static Win32ProfileSections instance;
    return instance;
}

} // namespace platform
