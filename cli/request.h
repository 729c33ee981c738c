// What kelvcfg is asked to do: the command, its arguments, and the places it works on.
#pragma once

#include <cstdint>
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
    ExportProfile,
    Apply,
    Diff,
};

// Control sets are numbered 1 to 999: ControlSet001 to ControlSet999.
constexpr uint32_t kLastControlSet = 999;

// Where a configuration is kept.
struct PlaceAddress {
    enum class Kind { Local, Hive, Config };
    Kind kind = Kind::Local;
    std::string path;        // the hive or configuration file
    uint32_t controlSet = 0; // a hive's control set to work on; 0: the one of its Select\Default
};

struct Request {
    Command command = Command::Show;
    std::vector<std::string> arguments; // the names, settings or file of the command
    std::vector<PlaceAddress> places;   // in command-line order; the local machine when empty
    bool json = false;
    bool dryRun = false;
    bool ignoreMissing = false; // apply: pass over what the place lacks
    std::string catalogue;      // on Linux: the API catalogue and the hook-state file
    std::string hookState;
};

// Whether the command changes the place it works on (a configuration file it is given to write is
// no place).
bool ChangesPlace(Command command);
// Whether the command writes anything at all.
bool Writes(Command command);

} // namespace kelvcfg
