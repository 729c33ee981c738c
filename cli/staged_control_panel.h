// The product family's control panel as a command sees it: telling it the drivers' states is
// entered in the journal, and the applet is called only when the journal is carried out.
#pragma once

#include "cli/journal.h"
#include "platform/dynamic_library.h"

namespace kelvcfg {

class StagedControlPanel final : public platform::DynamicLibraries {
public:
    StagedControlPanel(platform::DynamicLibraries& base, Journal& journal);
    ~StagedControlPanel() override;

    // The applet's name gives a handle of this stand-in, whose export records the call; every
    // other library is the base's.
    platform::LibraryHandle Load(const char* name) override;
    void* Symbol(platform::LibraryHandle library, const char* name) override;
    void Free(platform::LibraryHandle library) override;

    // Tells the control panel, when the journal holds the call, as the settings sheet does.
    static void Commit(const Journal& journal);

private:
    platform::DynamicLibraries& base_;
    Journal* previous_;
};

} // namespace kelvcfg
