// UTF-8 and UTF-16, for what kelvcfg reads and prints outside the library: a hive's names and its
// console on Linux, and JSON everywhere. The library's own texts are in the ANSI code page.
#pragma once

#include <string>

namespace kelvcfg {

// Converted with utfcpp. Invalid input becomes U+FFFD: a lone surrogate, and a broken UTF-8
// sequence with the continuation bytes that follow it.
std::string Utf8FromUtf16(const std::u16string& text);
std::u16string Utf16FromUtf8(const std::string& text);

// Text of the library (the ANSI code page) as UTF-8, and UTF-8 as the library holds it.
std::string Utf8FromModel(const std::string& text);
std::string ModelFromUtf8(const std::string& text);

// A name given on the command line as the library holds its texts, and a text of the library as
// the console shows it: UTF-8 on Linux, the ANSI code page itself on Windows.
std::string ModelFromArgument(const std::string& argument);
std::string ConsoleFromModel(const std::string& text);

} // namespace kelvcfg
