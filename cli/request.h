// What kelvcfg is asked to do: the command, its arguments, and the places it works on.
#pragma once

#include <string>
#include <vector>

namespace kelvcfg {

enum class Command {
    Show,
    SelectAll,
    SelectNone,
    DriverOn,
    DriverOff,
    DriverAdd,
    EventOn,
    EventOff,
    CategoryOn,
    CategoryOff,
    Set,
    Save,
    Load,
    ExportFarhand,
    Diff,
};

// Where a configuration is kept.
struct PlaceAddress {
    enum class Kind { Local, Hive, Config };
    Kind kind = Kind::Local;
    std::string path; // the hive or configuration file
};

struct Request {
    Command command = Command::Show;
    std::vector<std::string> arguments; // the names, settings or file of the command
    std::vector<PlaceAddress> places;   // in command-line order; the local machine when empty
    bool json = false;
    bool dryRun = false;
    std::string catalogue; // on Linux: the API catalogue and the hook-state file
    std::string hookState;
};

// Whether the command changes the place it works on (a configuration file it is given to write is
// no place).
bool ChangesPlace(Command command);
// Whether the command writes anything at all.
bool Writes(Command command);

} // namespace kelvcfg
