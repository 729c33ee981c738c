// UTF-16 into the ANSI code page and back (1252 on the substitute and in the test prefix).
#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePageContract, CharactersConvertOneForOneOutsideTheCodePageToo) {
    EXPECT_EQ("", platform::AnsiFromUtf16(u""));
    EXPECT_EQ("Atdisk.sys", platform::AnsiFromUtf16(u"Atdisk.sys"));
    EXPECT_EQ("caf\xE9 \x80 \x9F \x81", platform::AnsiFromUtf16(u"caf\u00E9 \u20AC \u0178 \u0081"));
    std::string converted = platform::AnsiFromUtf16(u"a\u4E2Db"); // one character for one
    ASSERT_EQ(3u, converted.size());
    EXPECT_EQ('a', converted[0]);
    EXPECT_EQ('b', converted[2]);
}

// The bytes 0x80 to 0x9F are the code page's own characters, or the C1 controls of their
// numbers where it has none; every byte comes back.
TEST(CodePageContract, AnsiBytesBecomeTheirCharactersAndComeBack) {
    std::string bytes = "caf\xE9 ";
    for (int byte = 0x80; byte < 0xA0; ++byte)
        bytes += static_cast<char>(byte);
    std::u16string wide = platform::Utf16FromAnsi(bytes);
    ASSERT_EQ(bytes.size(), wide.size());
    EXPECT_EQ(u"caf\u00E9 \u20AC\u0081\u201A", wide.substr(0, 8));
    EXPECT_EQ(u"\u0153\u009D\u017E\u0178", wide.substr(wide.size() - 4));
    EXPECT_EQ(bytes, platform::AnsiFromUtf16(wide));
}

} // namespace
