#include "model/runtime_numbers.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

struct UnsignedCase {
    const char* text;
    uint32_t value;
};

class Hex32 : public ::testing::TestWithParam<UnsignedCase> {};

TEST_P(Hex32, ParsesAsStrtoulWithBase16) {
    EXPECT_EQ(GetParam().value, ParseHex32(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Hex32,
    ::testing::Values(UnsignedCase{"1A2B", 0x1A2B}, UnsignedCase{"0x1A2B", 0x1A2B},
                      UnsignedCase{"0X1a2b", 0x1A2B}, UnsignedCase{"", 0}, UnsignedCase{"zz", 0},
                      UnsignedCase{"FF", 255}, UnsignedCase{"ff", 255}, UnsignedCase{" \t+10", 16},
                      UnsignedCase{"12g4", 0x12}, UnsignedCase{"0x", 0}, UnsignedCase{"0xg", 0},
                      UnsignedCase{"FFFFFFFF", 0xFFFFFFFF}, UnsignedCase{"100000000", 0xFFFFFFFF},
                      UnsignedCase{"-1", 0xFFFFFFFF}, UnsignedCase{"-10", 0xFFFFFFF0},
                      UnsignedCase{"-100000000", 0xFFFFFFFF},
                      UnsignedCase{"00000000000000000001", 1}, UnsignedCase{"1:@", 1}));

class Unsigned10 : public ::testing::TestWithParam<UnsignedCase> {};

TEST_P(Unsigned10, ParsesAsStrtoulWithBase10) {
    EXPECT_EQ(GetParam().value, ParseUnsigned32(GetParam().text, 10));
}

INSTANTIATE_TEST_SUITE_P(Cases, Unsigned10,
                         ::testing::Values(UnsignedCase{"2048KB", 2048}, UnsignedCase{"", 0},
                                           UnsignedCase{"abc", 0}, UnsignedCase{"0x10", 0},
                                           UnsignedCase{"1A", 1}, UnsignedCase{"9:@", 9},
                                           UnsignedCase{" -1", 0xFFFFFFFF},
                                           UnsignedCase{"4294967295", 0xFFFFFFFF},
                                           UnsignedCase{"4294967296", 0xFFFFFFFF},
                                           UnsignedCase{"-4294967296", 0xFFFFFFFF}));

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
