#include "cli/staged_profile_sections.h"

#include "cli/command_error.h"

namespace kelvcfg {

namespace {

std::string SectionKey(const char* section, const char* file) {
    return std::string(file) + '\0' + section;
}

} // namespace

bool StagedProfileSections::Read(const char* section, const char* file, std::string* entries) {
    auto found = written_.find(SectionKey(section, file));
    if (found == written_.end())
        return base_.Read(section, file, entries);
    *entries = found->second;
    return true;
}

bool StagedProfileSections::Write(const char* section, const std::string& entries,
                                  const char* file) {
    written_[SectionKey(section, file)] = entries;
    journal_.Add({JournalEntry::Kind::ProfileSection, file, section, 0, entries});
    return true;
}

void StagedProfileSections::Commit(const Journal& journal) {
    for (const JournalEntry& entry : journal.entries())
        if (entry.kind == JournalEntry::Kind::ProfileSection &&
            !platform::profileSections().Write(entry.name.c_str(), entry.data, entry.where.c_str()))
            throw CommandError(kUnwritable, "cannot write [" + entry.name + "] of " + entry.where);
}

} // namespace kelvcfg
