// Number parsing with exactly the runtime's semantics, whatever the host's long is.
#pragma once

#include <cstdint>

namespace kelvd {

// strtoul(text, nullptr, 16) of a 32-bit runtime: leading white space, an optional sign, an
// optional "0x"/"0X", then hexadecimal digits up to the first other character. No digits give
// 0; a value beyond 32 bits gives 0xFFFFFFFF; a minus sign negates the value modulo 2^32.
uint32_t ParseHex32(const char* text);

// atoi(text): leading white space, an optional sign, decimal digits up to the first other
// character; no digits give 0. A value beyond 32 bits saturates at INT32_MAX or INT32_MIN.
int32_t ParseDecimal(const char* text);

} // namespace kelvd
