// Replacing a file where the system has no move that replaces one (Windows 9x has no
// MoveFileExA): the old file is moved aside, the new one moved into its place, and the old one
// moved back when that fails, so that the name always holds one of the two.
#pragma once

namespace platform {

// The moves of such a system: a move that fails when the target exists, and a removal.
class PlainMoves {
public:
    virtual ~PlainMoves() = default;
    virtual bool Move(const char* from, const char* to) = 0;
    virtual bool Remove(const char* path) = 0;
};

// Puts from in to's place; true when it took it. On false, to holds what it held before (or
// nothing, when it did not exist) and from is still there.
bool ReplaceByMoves(PlainMoves& moves, const char* from, const char* to);

} // namespace platform
