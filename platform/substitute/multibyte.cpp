// Code page 1252 is a single-byte code page, for which the runtime's multibyte comparisons are
// the plain byte comparisons of the "C" locale: bytes compare unsigned, and case is folded for
// the ASCII letters only, towards lower case (so "_" sorts before "A").
#include "platform/multibyte.h"

#include <cstdint>
#include <cstring>

namespace platform {

namespace {
int FoldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}
} // namespace

int MbsICmp(const char* a, const char* b) {
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    for (;; ++x, ++y) {
        int difference = FoldAscii(*x) - FoldAscii(*y);
        if (difference != 0 || *x == 0)
            return difference;
    }
}

// The hash works on eight bytes at a time, folded to lower case all at once.
uint64_t FoldAsciiWord(uint64_t bytes) {
    constexpr uint64_t kOnes = 0x0101010101010101;
    uint64_t low7 = bytes & (0x7F * kOnes);
    uint64_t atLeastA = low7 + (0x80 - 'A') * kOnes;   // bit 7 set in bytes from 'A' up
    uint64_t aboveZ = low7 + (0x80 - 'Z' - 1) * kOnes; // bit 7 set in bytes above 'Z'
    uint64_t upper = atLeastA & ~aboveZ & ~bytes & (0x80 * kOnes);
    return bytes | upper >> 2; // 'A'..'Z' gain 0x20
}

// The hash folds the text eight bytes at a time and samples it: its length and its first,
// middle and last eight bytes (overlapping in a short text; a text under eight bytes is one
// word padded with zeros). Texts that differ only elsewhere share a hash, which costs a
// comparison, never a wrong answer.
uint32_t MbsICaseHash(std::string_view s) {
    const size_t length = s.size();
    uint64_t words[3] = {0, 0, 0};
    if (length < 8) {
        for (size_t i = 0; i < length; ++i)
            words[0] |= static_cast<uint64_t>(static_cast<unsigned char>(s[i])) << 8 * i;
    } else {
        const size_t starts[3] = {0, length / 2 - 4, length - 8};
        for (int i = 0; i < 3; ++i)
            std::memcpy(&words[i], s.data() + starts[i], 8);
    }
    uint64_t hash = length + FoldAsciiWord(words[0]) * 0x9E3779B97F4A7C15 +
                    FoldAsciiWord(words[1]) * 0xC2B2AE3D27D4EB4F +
                    FoldAsciiWord(words[2]) * 0x165667B19E3779F9;
    hash ^= hash >> 31;
    hash *= 0xBF58476D1CE4E5B9;
    return static_cast<uint32_t>(hash ^ hash >> 32);
}

int MbsCmp(const char* a, const char* b) {
    return std::strcmp(a, b);
}

const char* MbsRChr(const char* s, unsigned int c) {
    return std::strrchr(s, static_cast<unsigned char>(c));
}

std::string MbsUpr(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - ('a' - 'A'));
    return text;
}

} // namespace platform
