#include "cli/unicode.h"

#include "platform/code_page.h"

#include <utf8cpp/utf8.h>

#include <algorithm>
#include <type_traits>

namespace kelvcfg {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit < 0xE000;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

// The text with every surrogate that is not half of a pair replaced, which utfcpp refuses.
std::u16string PairedSurrogates(const std::u16string& text) {
    std::u16string out = text;
    for (size_t at = 0; at < out.size(); ++at) {
        if (IsHighSurrogate(out[at]) && at + 1 < out.size() && IsLowSurrogate(out[at + 1]))
            ++at;
        else if (IsSurrogate(out[at]))
            out[at] = kReplacement;
    }
    return out;
}

// Text of ASCII characters alone, which every ANSI code page, UTF-8 and UTF-16 spell alike: most
// of the library's names and of a hive's, which need no conversion but a copy.
template <typename Text> bool IsAscii(const Text& text) {
    using Unit = std::make_unsigned_t<typename Text::value_type>;
    return std::all_of(text.begin(), text.end(),
                       [](auto unit) { return static_cast<Unit>(unit) < 0x80; });
}

} // namespace

std::string Utf8FromUtf16(const std::u16string& text) {
    if (IsAscii(text))
        return std::string(text.begin(), text.end());
    return utf8::utf16to8(PairedSurrogates(text));
}

std::u16string Utf16FromUtf8(const std::string& text) {
    if (IsAscii(text))
        return std::u16string(text.begin(), text.end());
    return utf8::utf8to16(utf8::replace_invalid(text, kReplacement));
}

std::string Utf8FromModel(const std::string& text) {
    return IsAscii(text) ? text : Utf8FromUtf16(platform::Utf16FromAnsi(text));
}

std::string ModelFromUtf8(const std::string& text) {
    return IsAscii(text) ? text : platform::AnsiFromUtf16(Utf16FromUtf8(text));
}

#ifdef _WIN32
std::string ModelFromArgument(const std::string& argument) {
    return argument;
}

std::string ConsoleFromModel(const std::string& text) {
    return text;
}
#else
std::string ModelFromArgument(const std::string& argument) {
    return ModelFromUtf8(argument);
}

std::string ConsoleFromModel(const std::string& text) {
    return Utf8FromModel(text);
}
#endif

} // namespace kelvcfg
