#include "cli/staging.h"

namespace kelvcfg {

struct Staging::Scopes {
    platform::ScopedRegistry registry;
    platform::ScopedFileSystem files;
    platform::ScopedProfileSections profiles;
    platform::ScopedDynamicLibraries libraries;
};

Staging::Staging()
    : registry_(std::make_unique<StagedRegistry>(platform::registry(), journal_)),
      files_(std::make_unique<StagedFiles>(platform::fileSystem(), journal_)),
      profiles_(std::make_unique<StagedProfileSections>(platform::profileSections(), journal_)),
      controlPanel_(std::make_unique<StagedControlPanel>(platform::dynamicLibraries(), journal_)),
      scopes_(new Scopes{platform::ScopedRegistry(*registry_), platform::ScopedFileSystem(*files_),
                         platform::ScopedProfileSections(*profiles_),
                         platform::ScopedDynamicLibraries(*controlPanel_)}) {}

Staging::~Staging() {
    End();
}

void Staging::End() {
    scopes_.reset();
}

void Staging::CheckWritable() {
    End();
    StagedFiles::CheckWritable(journal_);
    StagedRegistry::CheckWritable(journal_);
}

void Staging::Commit(Undo& undo) {
    End();
    StagedFiles::Commit(journal_, undo);
    StagedRegistry::Commit(journal_, undo);
    StagedProfileSections::Commit(journal_);
    StagedControlPanel::Commit(journal_);
}

} // namespace kelvcfg
