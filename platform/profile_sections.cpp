#include "platform/profile_sections.h"

namespace platform {

ProfileSections& profileSections() {
    ProfileSections* replacement = ScopedProfileSections::slot();
    return replacement ? *replacement : nativeProfileSections();
}

} // namespace platform
