#include "stores/state_list.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using namespace std::string_literals;

// The bytes of whole lists are checked with the registry store's values.
TEST(StateList, EmptyTableIsTheTerminatorAndOnlyTheLowByteOfAStateIsKept) {
    EXPECT_EQ("\0"s, EncodeStateList(nullptr, 0));
    const DriverEntry row{"x", "", "", 0, 0x102};
    EXPECT_EQ("x\0\2\0"s, EncodeStateList(&row, 1));
}

struct DecodeCase {
    const char* what;
    std::string bytes;
    std::vector<std::pair<std::string, int>> entries;
};

struct StateListDecode : ::testing::TestWithParam<DecodeCase> {};

TEST_P(StateListDecode, GivesTheWholeEntriesWithinTheData) {
    // A copy of exactly the data's size, so that any read past it is caught by the sanitizers
    // and by the comparison below.
    std::vector<uint8_t> data(GetParam().bytes.begin(), GetParam().bytes.end());
    std::vector<std::pair<std::string, int>> entries;
    for (const StateEntry& entry : DecodeStateList(data.data(), data.size()))
        entries.emplace_back(entry.name, entry.state);
    EXPECT_EQ(GetParam().entries, entries) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StateListDecode,
    ::testing::Values(DecodeCase{"two entries", "a\0\1b\0\0\0"s, {{"a", 1}, {"b", 0}}},
                      DecodeCase{"the single terminator", "\0"s, {}}, DecodeCase{"no data", "", {}},
                      DecodeCase{"a state 0 before the terminator", "a\0\0\0b\0\1"s, {{"a", 0}}},
                      DecodeCase{"no terminator after the last entry", "a\0\2"s, {{"a", 2}}},
                      DecodeCase{"a name without its 0 byte", "a\0\1bc"s, {{"a", 1}}},
                      DecodeCase{"a name without its state byte", "a\0\1b\0"s, {{"a", 1}}},
                      DecodeCase{"state bytes above 2", "a\0\xFF\0"s, {{"a", 0xFF}}}));

} // namespace
