// Code page 1252 is a single-byte code page, for which the runtime's multibyte comparisons are
// the plain byte comparisons of the "C" locale: bytes compare unsigned, and case is folded for
// the ASCII letters only, towards lower case (so "_" sorts before "A").
#include "platform/multibyte.h"

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

uint32_t MbsICaseHash(const char* s) {
    uint32_t hash = 2166136261u; // FNV-1a of the folded bytes
    for (const auto* p = reinterpret_cast<const unsigned char*>(s); *p; ++p)
        hash = (hash ^ static_cast<uint32_t>(FoldAscii(*p))) * 16777619u;
    return hash;
}

int MbsCmp(const char* a, const char* b) {
    return std::strcmp(a, b);
}

const char* MbsRChr(const char* s, unsigned int c) {
    return std::strrchr(s, static_cast<unsigned char>(c));
}

} // namespace platform
