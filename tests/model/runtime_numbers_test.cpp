#include "model/runtime_numbers.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

struct UnsignedCase {
    const char* text;
    int base;
    uint32_t value;
};

class Unsigned32 : public ::testing::TestWithParam<UnsignedCase> {};

TEST_P(Unsigned32, ParsesAsStrtoul) {
    const UnsignedCase& c = GetParam();
    EXPECT_EQ(c.value, c.base == 16 ? ParseHex32(c.text) : ParseUnsigned32(c.text, c.base));
}

INSTANTIATE_TEST_SUITE_P(
    Base16, Unsigned32,
    ::testing::Values(UnsignedCase{"1A2B", 16, 0x1A2B}, UnsignedCase{"0x1A2B", 16, 0x1A2B},
                      UnsignedCase{"0X1a2b", 16, 0x1A2B}, UnsignedCase{"", 16, 0},
                      UnsignedCase{"zz", 16, 0}, UnsignedCase{"FF", 16, 255},
                      UnsignedCase{"ff", 16, 255}, UnsignedCase{" \t+10", 16, 16},
                      UnsignedCase{"12g4", 16, 0x12}, UnsignedCase{"0x", 16, 0},
                      UnsignedCase{"0xg", 16, 0}, UnsignedCase{"FFFFFFFF", 16, 0xFFFFFFFF},
                      UnsignedCase{"100000000", 16, 0xFFFFFFFF}, UnsignedCase{"-1", 16, 0xFFFFFFFF},
                      UnsignedCase{"-10", 16, 0xFFFFFFF0},
                      UnsignedCase{"-100000000", 16, 0xFFFFFFFF},
                      UnsignedCase{"00000000000000000001", 16, 1}, UnsignedCase{"1:@", 16, 1}));

INSTANTIATE_TEST_SUITE_P(Base10, Unsigned32,
                         ::testing::Values(UnsignedCase{"2048KB", 10, 2048},
                                           UnsignedCase{"", 10, 0}, UnsignedCase{"abc", 10, 0},
                                           UnsignedCase{"0x10", 10, 0}, UnsignedCase{"1A", 10, 1},
                                           UnsignedCase{"9:@", 10, 9},
                                           UnsignedCase{" -1", 10, 0xFFFFFFFF},
                                           UnsignedCase{"-4294967295", 10, 1},
                                           UnsignedCase{"4294967295", 10, 0xFFFFFFFF},
                                           UnsignedCase{"4294967296", 10, 0xFFFFFFFF},
                                           UnsignedCase{"-4294967296", 10, 0xFFFFFFFF}));

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
