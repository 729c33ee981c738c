// The version resource of a Windows image file, read from the file's bytes: what
// GetFileVersionInfoA finds in a PE32 or PE32+ file, and what VerQueryValueA answers from it.
// Every offset and length in the file is checked, so a damaged file gives false, never a read
// outside the bytes given.
#pragma once

#include "platform/file_system.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The VS_VERSIONINFO resource (type 16, name 1, its first language) of the image, copied out;
// false when the image has none or its headers or resource tree do not hold together.
bool FindVersionResource(const uint8_t* image, size_t size, std::vector<uint8_t>* resource);

enum class ImageResource {
    Found,
    None,       // a PE image without a version resource, or whose tables do not hold together
    NotAnImage, // not a PE image at all (no "MZ", or no "PE" signature where it points)
};

// The same, read from an open file: only the pages the walk touches (the headers, the resource
// directory's entries on the way, the resource itself) are read, each once.
ImageResource ReadImageVersionResource(File& image, std::vector<uint8_t>* resource);

// The text value at subBlock ("\StringFileInfo\040904B0\FileDescription"; keys compare without
// regard to the case of their ASCII letters) in a resource that FindVersionResource gave; false
// when there is no such value. The text ends at its first zero, at its stated length or at the
// end of its block, whichever comes first.
bool FindVersionString(const uint8_t* resource, size_t size, const char* subBlock,
                       std::u16string* value);

} // namespace platform
