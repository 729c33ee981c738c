// Number parsing with exactly the runtime's semantics, whatever the host's long is.
#pragma once

#include <cstdint>

namespace kelvd {

// strtoul(text, nullptr, base) of a 32-bit runtime, for base 10 or 16: leading white space, an
// optional sign, for base 16 an optional "0x"/"0X", then digits of the base up to the first
// other character. No digits give 0; a value beyond 32 bits gives 0xFFFFFFFF; a minus sign
// negates the value modulo 2^32.
uint32_t ParseUnsigned32(const char* text, int base);

// strtoul(text, nullptr, 16).
inline uint32_t ParseHex32(const char* text) {
    return ParseUnsigned32(text, 16);
}

// atoi(text): leading white space, an optional sign, decimal digits up to the first other
// character; no digits give 0. A value beyond 32 bits saturates at INT32_MAX or INT32_MIN.
int32_t ParseDecimal(const char* text);

} // namespace kelvd
