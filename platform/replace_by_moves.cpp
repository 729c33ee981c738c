#include "platform/replace_by_moves.h"

#include <string>

namespace platform {

bool ReplaceByMoves(PlainMoves& moves, const char* from, const char* to) {
    const std::string aside = std::string(to) + ".old~";
    moves.Remove(aside.c_str()); // what an earlier attempt cut short may have left
    const bool movedAside = moves.Move(to, aside.c_str());
    if (moves.Move(from, to)) {
        if (movedAside)
            moves.Remove(aside.c_str());
        return true;
    }
    if (movedAside)
        moves.Move(aside.c_str(), to);
    return false;
}

} // namespace platform
