#include "model/runtime_numbers.h"

#include <cstdint>

namespace kelvd {

namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The value of c as a digit of base (10 or 16), or -1.
int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Skips white space and reads an optional sign; true when the sign is a minus.
bool SkipSpaceAndSign(const char*& p) {
    while (IsSpace(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    return negative;
}

} // namespace

uint32_t ParseUnsigned32(const char* text, int base) {
    const char* p = text;
    bool negative = SkipSpaceAndSign(p);
    if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && DigitValue(p[2], 16) >= 0)
        p += 2;
    uint64_t value = 0;
    for (int digit; (digit = DigitValue(*p, base)) >= 0; ++p) {
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX)
            return UINT32_MAX;
    }
    return negative ? static_cast<uint32_t>(0u - static_cast<uint32_t>(value))
                    : static_cast<uint32_t>(value);
}

int32_t ParseDecimal(const char* text) {
    const char* p = text;
    bool negative = SkipSpaceAndSign(p);
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1) {
            value = static_cast<int64_t>(INT32_MAX) + 1;
        }
    }
    if (negative)
        return static_cast<int32_t>(-value);
    return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}

} // namespace kelvd
