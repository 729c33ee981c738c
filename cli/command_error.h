// How kelvcfg ends: its exit codes, and the error that carries one, with its one-line message, up
// to where the program reports it.
#pragma once

#include <stdexcept>
#include <string>

namespace kelvcfg {

enum ExitCode : int {
    kDone = 0,
    kUsage = 1,      // the command line was not understood
    kNotFound = 2,   // a named driver, event, category or file is not there
    kRefused = 3,    // a value out of range, or a driver the list refuses
    kUnreadable = 4, // the place (or a file it needs) cannot be read
    kUnwritable = 5, // the place (or a file to write) cannot be written
    kDifferent = 6,  // diff found differences
};

class CommandError : public std::runtime_error {
public:
    CommandError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

} // namespace kelvcfg
