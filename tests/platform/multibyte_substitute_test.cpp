// The order of bytes above 0x7F when case is ignored. Windows's runtime compares them unsigned,
// as the substitute does; Wine's compares them as signed characters, so this case is checked
// natively only.
#include "platform/multibyte.h"

#include <gtest/gtest.h>

TEST(MultibyteSubstitute, IgnoringCaseComparesBytesAboveAsciiUnsigned) {
    EXPECT_GT(platform::MbsICmp("\xE9", "Z"), 0);
    EXPECT_LT(platform::MbsICmp("a", "\x80"), 0);
}
