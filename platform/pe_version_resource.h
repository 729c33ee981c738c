// The version resource of a Windows image file, read from the file's bytes: what
// GetFileVersionInfoA finds in a PE32 or PE32+ file, and what VerQueryValueA answers from it.
// Every offset and length in the file is checked, so a damaged file gives false, never a read
// outside the bytes given. The library reads every driver file's version resource this way, on
// every platform: the system's version functions trust what they read, and are never given an
// image.
#pragma once

#include "platform/file_system.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The VS_VERSIONINFO resource (type 16, name 1, its first language) of the image, copied out.
// False when the image has none, or when any version resource a loader could take from it
// (every entry of type 16 and name 1, in every language) is not sound: the headers, section
// table and resource directory entries on the way must lie within the file, and the resource
// must lie within the file and hold a tree of nodes each whole within its parent (every node
// with a length covering its header and its key's terminator, a type of text (1) or binary (0),
// its key and value inside it).
bool FindVersionResource(const uint8_t* image, size_t size, std::vector<uint8_t>* resource);

// The same, read from an open image file: only the pages the walk touches (the headers, the
// resource directory's entries on the way, the version resources themselves) are read, each
// once.
bool ReadImageVersionResource(File& image, std::vector<uint8_t>* resource);

// The text value at subBlock ("\StringFileInfo\040904B0\FileDescription"; keys compare without
// regard to the case of their ASCII letters) in a resource that FindVersionResource gave; false
// when there is no such value or a node on the way is not sound. The text ends at its first zero
// or at its stated length.
bool FindVersionString(const uint8_t* resource, size_t size, const char* subBlock,
                       std::u16string* value);

} // namespace platform
