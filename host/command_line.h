// What kwhost is asked to do: its command line, parsed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kwhost {

enum class Action { Configure, SelectAll, SelectNone, Version, Help };

struct HostCommand {
    Action action = Action::Configure;
    int32_t mode = 1;     // configure: the RunMode handed to ConfigureKELVD
    std::string helpFile; // configure: the help file name, empty when not given
    std::string library = "kelvdcfg.dll";
    std::string screensDir;    // configure: where to save a picture of every page; empty for none
    bool timed = false;        // configure: time the sheet's showing, its pages and OK
    bool plainCTarget = false; // configure 3: the target's table of plain C functions
};

// The arguments after the program name. False, with the reason in *error, when they do not
// form a command.
bool ParseHostCommand(const std::vector<std::string>& args, HostCommand* command,
                      std::string* error);

// How to call kwhost.
const char* HostUsage();

// What kwhost --version prints: kwhost's version, which is the version of the library it is
// built with.
std::string HostVersion();

} // namespace kwhost
