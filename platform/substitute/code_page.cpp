// The substitute's ANSI code page is 1252: Latin-1 with 27 further characters in 0x80 to 0x9F.
// What it lacks becomes '?'.
#include "platform/code_page.h"

namespace platform {

namespace {

// The characters of 0x80 to 0x9F; 0 where 1252 keeps the C1 control of the same number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToCodePage(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == unit || (kHighControls[i] == 0 && unit == 0x80 + i))
            return static_cast<char>(0x80 + i);
    return '?';
}

char16_t FromCodePage(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0 || kHighControls[byte - 0x80] == 0)
        return byte;
    return kHighControls[byte - 0x80];
}

} // namespace

std::u16string Utf16FromAnsi(const std::string& text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text)
        wide += FromCodePage(static_cast<unsigned char>(c));
    return wide;
}

std::string AnsiFromUtf16(const std::u16string& text) {
    std::string ansi;
    ansi.reserve(text.size());
    for (char16_t unit : text)
        ansi += ToCodePage(unit);
    return ansi;
}

} // namespace platform
