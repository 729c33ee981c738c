// kwhost's work: load the library, call the entry point its command line names, report.
#pragma once

#include "host/command_line.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace kwhost {

// Exit codes.
constexpr int kExitDone = 0;    // the entry point was called (whatever ConfigureKELVD returned)
constexpr int kExitUsage = 1;   // the command line was not understood
constexpr int kExitLibrary = 2; // the library did not load or lacks an entry point
constexpr int kExitSheet = 3;   // the sheet was not shown, or what was asked beside it failed

// Something that runs beside the sheet on the host's thread while ConfigureKELVD shows it (the
// walk that watches for the sheet, takes a picture of every page or times them); it lives from
// just before the call to just after.
class SheetCompanion {
public:
    virtual ~SheetCompanion() = default;
    // Why the sheet must not be shown at all (a folder for the pictures that cannot be made);
    // empty when it may.
    virtual std::string Obstacle() const { return {}; }
    // Called once ConfigureKELVD has returned: what the companion has to report goes to out,
    // and what failed beside the sheet (it never appeared, a picture could not be saved) is
    // returned; empty when nothing did.
    virtual std::string Finish(std::ostream& out) = 0;
};
// Makes the companion for a configure command, given the caption the sheet will have; null for
// none.
using SheetCompanionFactory = std::function<std::unique_ptr<SheetCompanion>(
    const HostCommand& command, const std::string& sheetTitle, std::ostream& out)>;

// Runs a parsed command; results go to out, failures to err. Returns the exit code.
int RunHost(const HostCommand& command, std::ostream& out, std::ostream& err,
            const SheetCompanionFactory& companions = {});

// Parses the arguments after the program name and runs them; usage errors go to err.
int HostMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const SheetCompanionFactory& companions = {});

} // namespace kwhost
