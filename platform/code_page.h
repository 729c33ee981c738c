// Conversion between UTF-16 text and the ANSI code page, the 8-bit text of the library's model.
#pragma once

#include <string>

namespace platform {

// WideCharToMultiByte with CP_ACP and its default character for what the code page lacks.
std::string AnsiFromUtf16(const std::u16string& text);
// MultiByteToWideChar with CP_ACP: every byte of the code page has its character.
std::u16string Utf16FromAnsi(const std::string& text);

} // namespace platform
