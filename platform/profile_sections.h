// Sections of the system's profile files (system.ini): GetPrivateProfileSectionA and
// WritePrivateProfileSectionA. A section is a sequence of entries, each a text ended by a 0
// byte, with an empty entry at the end.
#pragma once

#include "platform/override.h"

#include <string>

namespace platform {

class ProfileSections {
public:
    virtual ~ProfileSections() = default;
    // The whole section, entries and final empty entry; just the final 0 when the section or the
    // file does not exist. file is a bare name, looked up in the Windows directory. False when
    // the section could not be read whole.
    virtual bool Read(const char* section, const char* file, std::string* entries) = 0;
    // Replaces the whole section with entries (in the same form); false when it cannot be
    // written.
    virtual bool Write(const char* section, const std::string& entries, const char* file) = 0;
};

ProfileSections& profileSections();
ProfileSections& nativeProfileSections();
using ScopedProfileSections = Override<ProfileSections>;

} // namespace platform
