// system.ini's sections as a command sees them: reads come from the profile files, with what the
// command wrote laid over them; writes go into the journal only.
#pragma once

#include "cli/journal.h"
#include "platform/profile_sections.h"

#include <map>
#include <string>

namespace kelvcfg {

class StagedProfileSections final : public platform::ProfileSections {
public:
    StagedProfileSections(platform::ProfileSections& base, Journal& journal)
        : base_(base), journal_(journal) {}

    bool Read(const char* section, const char* file, std::string* entries) override;
    bool Write(const char* section, const std::string& entries, const char* file) override;

    // Writes the journal's sections; throws a CommandError naming the first that fails.
    static void Commit(const Journal& journal);

private:
    platform::ProfileSections& base_;
    Journal& journal_;
    std::map<std::string, std::string> written_; // "file\0section" -> entries
};

} // namespace kelvcfg
