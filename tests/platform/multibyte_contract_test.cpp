// The runtime's comparisons for the ANSI code page (1252 here and on the substitute).
#include "platform/multibyte.h"

#include <gtest/gtest.h>

#include <string>

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

// Each pair is equal ignoring case in its first length bytes; the bytes after them differ, and
// the hash must not read them.
TEST(Multibyte, TextsEqualIgnoringCaseShareTheirHash) {
    const struct {
        const char* a;
        const char* b;
        size_t length;
    } pairs[] = {{"Foo.SYS!", "foo.sys?", 7},
                 {"C:\\WINNT\\System32\\ABC_xyz.DLL", "c:\\winnt\\system32\\abc_XYZ.dll", 29},
                 {"!", "?", 0},
                 {"\xE9t\xE9!", "\xE9T\xE9?", 3},
                 {"ABCDEFGH12345678", "abcdefgh87654321", 8},
                 {"ABCDEFGHIJKLMNO12345678", "abcdefghijklmno87654321", 15}};
    for (const auto& pair : pairs) {
        const std::string a(pair.a, pair.length), b(pair.b, pair.length);
        ASSERT_EQ(0, MbsICmp(a.c_str(), b.c_str())) << a;
        EXPECT_EQ(MbsICaseHash({pair.a, pair.length}), MbsICaseHash({pair.b, pair.length})) << a;
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
