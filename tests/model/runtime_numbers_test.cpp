#include "model/runtime_numbers.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

// A text and the number it reads as.
template <class Value> struct Read {
    const char* text;
    Value value;
};
using U32 = Read<uint32_t>;
using I32 = Read<int32_t>;

struct Hex32 : ::testing::TestWithParam<U32> {};
struct Unsigned32 : ::testing::TestWithParam<U32> {};
struct Decimal : ::testing::TestWithParam<I32> {};

TEST_P(Hex32, ParsesAsStrtoulInBase16) {
    EXPECT_EQ(GetParam().value, ParseHex32(GetParam().text));
}
TEST_P(Unsigned32, ParsesAsStrtoulInBase10) {
    EXPECT_EQ(GetParam().value, ParseUnsigned32(GetParam().text, 10));
}
TEST_P(Decimal, ParsesAsAtoi) {
    EXPECT_EQ(GetParam().value, ParseDecimal(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, Hex32,
                         ::testing::Values(U32{"1A2B", 0x1A2B}, U32{"0x1A2B", 0x1A2B},
                                           U32{"0X1a2b", 0x1A2B}, U32{"", 0}, U32{"zz", 0},
                                           U32{"FF", 255}, U32{"ff", 255}, U32{" \t+10", 16},
                                           U32{"12g4", 0x12}, U32{"0x", 0}, U32{"0xg", 0},
                                           U32{"FFFFFFFF", 0xFFFFFFFF},
                                           U32{"100000000", 0xFFFFFFFF}, U32{"-1", 0xFFFFFFFF},
                                           U32{"-10", 0xFFFFFFF0}, U32{"-100000000", 0xFFFFFFFF},
                                           U32{"00000000000000000001", 1}, U32{"1:@", 1}));
INSTANTIATE_TEST_SUITE_P(Cases, Unsigned32,
                         ::testing::Values(U32{"2048KB", 2048}, U32{"", 0}, U32{"abc", 0},
                                           U32{"0x10", 0}, U32{"1A", 1}, U32{"9:@", 9},
                                           U32{" -1", 0xFFFFFFFF}, U32{"-4294967295", 1},
                                           U32{"4294967295", 0xFFFFFFFF},
                                           U32{"4294967296", 0xFFFFFFFF},
                                           U32{"-4294967296", 0xFFFFFFFF}));
INSTANTIATE_TEST_SUITE_P(Cases, Decimal,
                         ::testing::Values(I32{"12", 12}, I32{"  7", 7}, I32{"", 0}, I32{"abc", 0},
                                           I32{"-3", -3}, I32{"+4x", 4}, I32{"0x10", 0},
                                           I32{"2147483647", INT32_MAX},
                                           I32{"2147483648", INT32_MAX},
                                           I32{"-2147483648", INT32_MIN},
                                           I32{"-99999999999999999999", INT32_MIN},
                                           I32{"99999999999999999999", INT32_MAX}));

} // namespace
