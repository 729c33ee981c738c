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

// Something that runs beside the sheet on the host's thread while ConfigureKELVD shows it (the
// walk that takes a picture of every page); it lives from just before the call to just after.
class SheetCompanion {
public:
    virtual ~SheetCompanion() = default;
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
