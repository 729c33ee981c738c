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

std::vector<DriverEntry> Rows(std::initializer_list<std::pair<const char*, uint32_t>> rows) {
    std::vector<DriverEntry> table;
    for (const auto& [path, state] : rows) {
        table.emplace_back();
        table.back().path = path;
        table.back().checkState = state;
    }
    return table;
}

TEST(StateList, RowsEncodeAsNameZeroStateAndATerminator) {
    std::vector<DriverEntry> rows = Rows({{"a.sys", 1}, {"b.sys", 0}});
    EXPECT_EQ(Bytes({0x61, 0x2E, 0x73, 0x79, 0x73, 0x00, 0x01, 0x62, 0x2E, 0x73, 0x79, 0x73, 0x00,
                     0x00, 0x00}),
              EncodeStateList(rows.data(), rows.size()));
    EXPECT_EQ(Bytes({0}), EncodeStateList(nullptr, 0)); // an empty table
    rows = Rows({{"x", 0x102}});                        // only the low byte of a state is kept
    EXPECT_EQ(Bytes({'x', 0, 2, 0}), EncodeStateList(rows.data(), rows.size()));
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
