// The runtime's comparisons for the ANSI code page (1252 here and on the substitute).
#include "platform/multibyte.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

int Sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(Multibyte, IgnoringCaseFoldsAsciiLettersToLowerCase) {
    EXPECT_EQ(0, MbsICmp("Foo.SYS", "foo.sys"));
    EXPECT_EQ(-1, Sign(MbsICmp("abc", "ABD")));
    EXPECT_EQ(1, Sign(MbsICmp("abcd", "ABC")));
    // '_' lies between the upper- and lower-case letters: folding to lower case puts it first.
    EXPECT_EQ(-1, Sign(MbsICmp("_", "A")));
    EXPECT_EQ(-1, Sign(MbsICmp("_", "a")));
}

TEST(Multibyte, BytesAboveAsciiCompareUnsignedAndKeepTheirCase) {
    EXPECT_EQ(1, Sign(MbsCmp("\xE9", "z")));
    EXPECT_EQ(-1, Sign(MbsCmp("B", "a")));
    // Only ASCII letters fold: e-acute and E-acute differ.
    EXPECT_NE(0, MbsICmp("\xE9", "\xC9"));
}

TEST(Multibyte, TextsEqualIgnoringCaseShareTheirHash) {
    const char* const pairs[][2] = {
        {"Foo.SYS", "foo.sys"},
        {"C:\\WINNT\\System32\\ABC_xyz.DLL", "c:\\winnt\\system32\\abc_XYZ.dll"},
        {"", ""},
        {"\xE9t\xE9", "\xE9T\xE9"}};
    for (const auto& pair : pairs) {
        ASSERT_EQ(0, MbsICmp(pair[0], pair[1])) << pair[0];
        EXPECT_EQ(MbsICaseHash(pair[0]), MbsICaseHash(pair[1])) << pair[0];
    }
    EXPECT_NE(MbsICaseHash("a.sys"), MbsICaseHash("b.sys"));
    EXPECT_NE(MbsICaseHash("ab"), MbsICaseHash("ba"));
}

TEST(Multibyte, LastOccurrence) {
    const char* path = "C:\\dir\\sub\\file.sys";
    EXPECT_STREQ("\\file.sys", MbsRChr(path, '\\'));
    EXPECT_EQ(nullptr, MbsRChr("file.sys", '\\'));
}

} // namespace
