// Replacing a file with Windows 9x's moves: whatever fails, the name holds the old file or the new.
#include "platform/replace_by_moves.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using namespace platform;
using Files = std::map<std::string, std::string>;

// Files in memory moved as MoveFileA moves them (never over an existing file); the move
// numbered failingMove (from 1) fails.
struct Windows9xMoves final : PlainMoves {
    bool Move(const char* from, const char* to) override {
        if (++moves == failingMove || !files.count(from) || files.count(to))
            return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool Remove(const char* path) override { return files.erase(path) > 0; }

    Files files;
    int moves = 0;
    int failingMove = 0;
};

struct ReplaceCase {
    const char* name;
    Files before;
    int failingMove;
    bool replaced;
    Files after;
};

const ReplaceCase kCases[] = {
    {"OldFileReplaced", {{"new~", "new"}, {"file", "old"}}, 0, true, {{"file", "new"}}},
    {"NoOldFile", {{"new~", "new"}}, 0, true, {{"file", "new"}}},
    {"LeftoverAsideGoes",
     {{"new~", "new"}, {"file", "old"}, {"file.old~", "older"}},
     0,
     true,
     {{"file", "new"}}},
    {"OldFileCannotMoveAside",
     {{"new~", "new"}, {"file", "old"}},
     1,
     false,
     {{"new~", "new"}, {"file", "old"}}},
    {"NewFileCannotMoveIn",
     {{"new~", "new"}, {"file", "old"}},
     2,
     false,
     {{"new~", "new"}, {"file", "old"}}},
};

struct ReplaceByMovesTest : ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceByMovesTest, TheNameHoldsTheOldFileOrTheNew) {
    Windows9xMoves moves;
    moves.files = GetParam().before;
    moves.failingMove = GetParam().failingMove;
    EXPECT_EQ(GetParam().replaced, ReplaceByMoves(moves, "new~", "file"));
    EXPECT_EQ(GetParam().after, moves.files);
}

INSTANTIATE_TEST_SUITE_P(Windows9x, ReplaceByMovesTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

} // namespace
