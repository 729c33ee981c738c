#include "platform/multibyte.h"

#include <mbstring.h>

namespace platform {

int MbsICmp(const char* a, const char* b) {
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a),
                    reinterpret_cast<const unsigned char*>(b));
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
