#include "cli/unicode.h"

#include "platform/code_page.h"

namespace kelvcfg {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of the UTF-8 sequence at text[*at], moving past it.
char32_t NextUtf8(const std::string& text, size_t* at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte((*at)++);
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
    if (length == 0 || lead >= 0xF5)
        return kReplacement;
    char32_t c = lead & (0x3F >> length);
    for (int i = 0; i < length; ++i, ++*at) {
        if (*at >= text.size() || (byte(*at) & 0xC0) != 0x80)
            return kReplacement;
        c = c << 6 | (byte(*at) & 0x3F);
    }
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return kReplacement;
    return c;
}

} // namespace

std::string Utf8FromUtf16(const std::u16string& text) {
    std::string out;
    for (size_t at = 0; at < text.size(); ++at) {
        char32_t c = text[at];
        if (c >= 0xD800 && c < 0xDC00 && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
            text[at + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++at] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = kReplacement;
        AppendUtf8(out, c);
    }
    return out;
}

std::u16string Utf16FromUtf8(const std::string& text) {
    std::u16string out;
    for (size_t at = 0; at < text.size();) {
        char32_t c = NextUtf8(text, &at);
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string Utf8FromModel(const std::string& text) {
    return Utf8FromUtf16(platform::Utf16FromAnsi(text));
}

std::string ModelFromUtf8(const std::string& text) {
    return platform::AnsiFromUtf16(Utf16FromUtf8(text));
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
