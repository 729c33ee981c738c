#include "platform/multibyte.h"

#include <mbctype.h>
#include <mbstring.h>

namespace platform {

int MbsICmp(const char* a, const char* b) {
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a),
                    reinterpret_cast<const unsigned char*>(b));
}

// FNV-1a of the characters as _mbsicmp compares them: each one (a lead byte with its trail byte,
// or a single byte) in the runtime's lower case. A lead byte without a trail byte ends the text,
// as it does for _mbsicmp.
uint32_t MbsICaseHash(std::string_view s) {
    uint32_t hash = 2166136261u;
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    for (const auto* end = p + s.size(); p < end;) {
        unsigned int c = *p++;
        if (_ismbblead(c)) {
            if (p == end)
                break;
            c = c << 8 | *p++;
        }
        c = _mbctolower(c);
        hash = (hash ^ (c & 0xFF)) * 16777619u;
        hash = (hash ^ (c >> 8)) * 16777619u;
    }
    return hash;
}

int MbsCmp(const char* a, const char* b) {
    return _mbscmp(reinterpret_cast<const unsigned char*>(a),
                   reinterpret_cast<const unsigned char*>(b));
}

const char* MbsRChr(const char* s, unsigned int c) {
    return reinterpret_cast<const char*>(_mbsrchr(reinterpret_cast<const unsigned char*>(s), c));
}

std::string MbsUpr(std::string text) {
    _mbsupr(reinterpret_cast<unsigned char*>(text.data()));
    return text;
}

} // namespace platform
