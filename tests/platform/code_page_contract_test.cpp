// UTF-16 and the ANSI code page (1252 on the substitute and in the test prefix).
#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePageContract, CharactersConvertOneForOneOutsideTheCodePageAndEveryByteComesBack) {
    EXPECT_EQ("", platform::AnsiFromUtf16(u""));
    EXPECT_EQ("Atdisk.sys", platform::AnsiFromUtf16(u"Atdisk.sys"));
    EXPECT_EQ("caf\xE9 \x80 \x9F \x81", platform::AnsiFromUtf16(u"caf\u00E9 \u20AC \u0178 \u0081"));
    std::string converted = platform::AnsiFromUtf16(u"a\u4E2Db"); // one character for one
    ASSERT_EQ(3u, converted.size());
    EXPECT_EQ('a', converted[0]);
    EXPECT_EQ('b', converted[2]);
    EXPECT_EQ(u"caf\u00E9 \u20AC \u0178 \u0081", platform::Utf16FromAnsi("caf\xE9 \x80 \x9F \x81"));
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(all, platform::AnsiFromUtf16(platform::Utf16FromAnsi(all)));
}

} // namespace
