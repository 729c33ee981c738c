// The runtime's comparisons for the ANSI code page (1252 here and on the substitute).
#include "platform/multibyte.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace platform;

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// Folding to lower case puts '_' before the letters; bytes above ASCII compare unsigned.
TEST(Multibyte, ComparisonsFoldAsciiLettersToLowerCaseOnly) {
    const struct {
        const char *a, *b;
        int sign, signIgnoringCase;
    } pairs[] = {{"Foo.SYS", "foo.sys", -1, 0},
                 {"abc", "ABD", 1, -1},
                 {"abcd", "ABC", 1, 1},
                 {"_", "A", 1, -1},
                 {"_", "a", -1, -1},
                 {"B", "a", -1, 1}};
    for (const auto& pair : pairs) {
        EXPECT_EQ(pair.sign, Sign(MbsCmp(pair.a, pair.b))) << pair.a << " " << pair.b;
        EXPECT_EQ(pair.signIgnoringCase, Sign(MbsICmp(pair.a, pair.b))) << pair.a << " " << pair.b;
    }
    EXPECT_EQ(1, Sign(MbsCmp("\xE9", "z")));
    EXPECT_NE(0, MbsICmp("\xE9", "\xC9"));
#ifndef _WIN32
    // Wine's runtime compares these signed ignoring case, Windows's unsigned as the substitute.
    EXPECT_EQ(1, Sign(MbsICmp("\xE9", "Z")));
    EXPECT_EQ(-1, Sign(MbsICmp("a", "\x80")));
#endif
}

// Each pair is equal ignoring case in its first length bytes; the hash must not read further.
TEST(Multibyte, TextsEqualIgnoringCaseShareTheirHash) {
    const struct {
        const char *a, *b;
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
    EXPECT_NE(MbsICaseHash("C:\\dir\\driver1.sys"), MbsICaseHash("C:\\dir\\driver1.syt"));
}

} // namespace
