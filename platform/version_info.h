// Version resources of files, as GetFileVersionInfoA and VerQueryValueA give them, read on every
// platform by the library's own reader (image_version_resource.h): only the bytes of a file that
// its version resources need are read, once, and a damaged image gives no version resource rather
// than reaching a reader that trusts what it reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The version resource of the image file at path (ReadImageVersionResource), in the language the
// system's loader would pick for this thread and user; false when the file cannot be read or has
// no sound version resource.
bool ReadVersionResource(const char* path, std::vector<uint8_t>* resource);

// VerQueryValueA of a string value ("\StringFileInfo\<lang><codepage>\<key>") in a resource
// that ReadVersionResource gave: the text in the ANSI code page, or false when there is none.
bool QueryVersionValue(const std::vector<uint8_t>& resource, const char* subBlock,
                       std::string* value);

} // namespace platform
