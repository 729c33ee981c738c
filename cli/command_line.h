// kelvcfg's command line, parsed with CLI11.
#pragma once

#include "cli/request.h"

#include <ostream>
#include <string>
#include <vector>

namespace kelvcfg {

// Parses the arguments after the program name into *request. -1 when there is a command to run;
// otherwise the exit code, with the help printed to out (0) or the usage error to err (1).
int ParseCommandLine(const std::vector<std::string>& args, Request* request, std::ostream& out,
                     std::ostream& err);

} // namespace kelvcfg
