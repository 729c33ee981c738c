#include "stores/state_list.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

// The bytes of whole lists are checked with the registry store's values.
TEST(StateList, EmptyTableIsTheTerminatorAndOnlyTheLowByteOfAStateIsKept) {
    EXPECT_EQ(Bytes({0}), EncodeStateList(nullptr, 0));
    DriverEntry row;
    row.path = "x";
    row.checkState = 0x102;
    EXPECT_EQ(Bytes({'x', 0, 2, 0}), EncodeStateList(&row, 1));
}

struct DecodeCase {
    const char* what;
    std::string bytes;
    std::vector<std::pair<std::string, int>> entries;
};

class StateListDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(StateListDecode, GivesTheWholeEntriesWithinTheData) {
    const std::string& bytes = GetParam().bytes;
    // A copy of exactly the data's size, so that any read past it is caught by the sanitizers
    // and by the comparison below.
    std::vector<uint8_t> data(bytes.begin(), bytes.end());
    std::vector<std::pair<std::string, int>> entries;
    for (const StateEntry& entry : DecodeStateList(data.data(), data.size()))
        entries.emplace_back(entry.name, entry.state);
    EXPECT_EQ(GetParam().entries, entries) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StateListDecode,
    ::testing::Values(
        DecodeCase{"two entries", Bytes({'a', 0, 1, 'b', 0, 0, 0}), {{"a", 1}, {"b", 0}}},
        DecodeCase{"the single terminator", Bytes({0}), {}}, DecodeCase{"no data", "", {}},
        DecodeCase{"a state 0 before the terminator", Bytes({'a', 0, 0, 0, 'b', 0, 1}), {{"a", 0}}},
        DecodeCase{"no terminator after the last entry", Bytes({'a', 0, 2}), {{"a", 2}}},
        DecodeCase{"a name without its 0 byte", Bytes({'a', 0, 1, 'b', 'c'}), {{"a", 1}}},
        DecodeCase{"a name without its state byte", Bytes({'a', 0, 1, 'b', 0}), {{"a", 1}}},
        DecodeCase{"state bytes above 2", Bytes({'a', 0, 0xFF, 0}), {{"a", 0xFF}}}));

} // namespace
