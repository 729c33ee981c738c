// One run of a kelvcfg command: the library's model loaded from the place (or two, for diff) with
// everything the library does to this machine held back in a staging, the command applied as the
// settings sheet's pages apply it, stored as its OK stores, and the staging then printed
// (--dry-run) or carried out. A command that fails carries out nothing.
#pragma once

#include "cli/request.h"

#include <ostream>

namespace kelvcfg {

// Runs the command; the exit code. Failures are thrown as CommandErrors; what the library would
// have shown in message boxes goes to notes, a line each.
int RunCommand(const Request& request, std::ostream& out, std::ostream& notes);

} // namespace kelvcfg
