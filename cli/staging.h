// Everything a command does to this machine, held back: while a Staging is in force the library's
// registry, files, profile sections and control panel calls go into its journal. Ended, the
// journal can be printed or carried out.
#pragma once

#include "cli/journal.h"
#include "cli/staged_control_panel.h"
#include "cli/staged_files.h"
#include "cli/staged_profile_sections.h"
#include "cli/staged_registry.h"

#include <memory>

namespace kelvcfg {

class Staging {
public:
    Staging();
    ~Staging();
    Staging(const Staging&) = delete;
    Staging& operator=(const Staging&) = delete;

    Journal& journal() { return journal_; }

    // The library reaches this machine directly again; the journal stays.
    void End();
    // Ends the staging and checks that every file can be replaced and every registry key there
    // can be written; throws a CommandError naming the first that cannot.
    void CheckWritable();
    // Ends the staging and writes the files, the registry values, the profile sections and the
    // control panel's call, in that order, entering in undo how to take back each file and
    // value written. The sections of system.ini come last but for the call, which cannot fail,
    // so nothing after them can make them be taken back. Throws a CommandError naming the first
    // thing that cannot be written.
    void Commit(Undo& undo);

private:
    struct Scopes;

    Journal journal_;
    std::unique_ptr<StagedRegistry> registry_;
    std::unique_ptr<StagedFiles> files_;
    std::unique_ptr<StagedProfileSections> profiles_;
    std::unique_ptr<StagedControlPanel> controlPanel_;
    std::unique_ptr<Scopes> scopes_;
};

} // namespace kelvcfg
