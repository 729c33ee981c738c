#include "model/runtime_numbers.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

struct HexCase {
    const char* text;
    uint32_t value;
};

class Hex32 : public ::testing::TestWithParam<HexCase> {};

TEST_P(Hex32, ParsesAsStrtoulWithBase16) {
    EXPECT_EQ(GetParam().value, ParseHex32(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Hex32,
    ::testing::Values(HexCase{"1A2B", 0x1A2B}, HexCase{"0x1A2B", 0x1A2B}, HexCase{"0X1a2b", 0x1A2B},
                      HexCase{"", 0}, HexCase{"zz", 0}, HexCase{"FF", 255}, HexCase{" \t+10", 16},
                      HexCase{"12g4", 0x12}, HexCase{"0x", 0}, HexCase{"0xg", 0},
                      HexCase{"FFFFFFFF", 0xFFFFFFFF}, HexCase{"100000000", 0xFFFFFFFF},
                      HexCase{"-1", 0xFFFFFFFF}, HexCase{"-10", 0xFFFFFFF0},
                      HexCase{"-100000000", 0xFFFFFFFF}, HexCase{"00000000000000000001", 1}));

struct DecimalCase {
    const char* text;
    int32_t value;
};

class Decimal : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(Decimal, ParsesAsAtoi) {
    EXPECT_EQ(GetParam().value, ParseDecimal(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Decimal,
    ::testing::Values(DecimalCase{"12", 12}, DecimalCase{"  7", 7}, DecimalCase{"", 0},
                      DecimalCase{"abc", 0}, DecimalCase{"-3", -3}, DecimalCase{"+4x", 4},
                      DecimalCase{"0x10", 0}, DecimalCase{"2147483647", INT32_MAX},
                      DecimalCase{"2147483648", INT32_MAX}, DecimalCase{"-2147483648", INT32_MIN},
                      DecimalCase{"-99999999999999999999", INT32_MIN},
                      DecimalCase{"99999999999999999999", INT32_MAX}));

} // namespace
