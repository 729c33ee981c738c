#include "cli/request.h"

namespace kelvcfg {

bool ChangesPlace(Command command) {
    switch (command) {
    case Command::Show:
    case Command::Save:
    case Command::ExportFarhand:
    case Command::ExportProfile:
    case Command::Diff:
        return false;
    default:
        return true;
    }
}

bool Writes(Command command) {
    return ChangesPlace(command) || command == Command::Save || command == Command::ExportFarhand ||
           command == Command::ExportProfile;
}

} // namespace kelvcfg
