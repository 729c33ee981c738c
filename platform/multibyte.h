// The runtime's multibyte-aware string comparisons for the ANSI code page. Texts of the model are
// compared only through these, so that names behave as they do on the user's machine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// _mbsicmp: less than, equal to or greater than 0, ignoring case.
int MbsICmp(const char* a, const char* b);
// _mbscmp: less than, equal to or greater than 0.
int MbsCmp(const char* a, const char* b);
// A hash of s that every text equal to s under MbsICmp shares, for finding texts by MbsICmp
// without comparing with each. s holds no 0 byte.
uint32_t MbsICaseHash(std::string_view s);
// _mbsrchr: the last occurrence of c in s, or null.
const char* MbsRChr(const char* s, unsigned int c);
// _mbsupr: text with its lower-case letters made upper case.
std::string MbsUpr(std::string text);

} // namespace platform
