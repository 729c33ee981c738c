// kelvcfg as a whole: the command line parsed and run, failures reported.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelvcfg {

// The arguments after the program name; output goes to out, errors and notes to err, one line
// each. The exit code.
int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kelvcfg
