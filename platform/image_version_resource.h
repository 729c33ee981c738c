// The version resource of a Windows image file, read from the file's bytes: what
// GetFileVersionInfoA finds in a PE32, PE32+, NE (16-bit) or LE (VxD) file, and what
// VerQueryValueA answers from it. Every offset and length in the file is checked, so a damaged
// file gives false, never a read outside the bytes given. The library reads every driver file's
// version resource this way, on every platform: the system's version functions trust what they
// read, and are never given an image.
#pragma once

#include "platform/file_system.h"
#include "platform/resource_languages.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The VS_VERSIONINFO resource of the image, copied out: in a PE image the resource of type 16 and
// name 1 in the language the system's loader picks (ResourceLanguageOrder); in an NE image the
// first resource of type 16 and name 1 of its resource table; in a VxD the resource its header
// points at. False when the image has none, or when it is not sound. In a PE image the headers,
// section table and the resource directories on the way must lie within the file, each with its
// ids in ascending order (the loader searches them by halves), and every language's resource must
// be sound, not only the one taken; in an NE image the resource table must lie within its bounds
// and the resource within the file; in a VxD the resource and its header within the file. A
// resource is sound when it holds a tree of nodes each whole within its parent (every node with a
// length covering its header and its key's terminator, in the 32-bit form a type of text (1) or
// binary (0), its key and value inside it).
bool FindVersionResource(const uint8_t* image, size_t size, std::vector<uint8_t>* resource,
                         const LoaderLanguages& languages = {});

// The same, read from an open image file: only the pages the walk touches (the headers, the
// resource directory's entries on the way, the version resources themselves) are read, each
// once.
bool ReadImageVersionResource(File& image, std::vector<uint8_t>* resource,
                              const LoaderLanguages& languages = {});

// The text value at subBlock ("\StringFileInfo\040904B0\FileDescription"; keys compare without
// regard to the case of their ASCII letters) in a resource that FindVersionResource gave, in the
// ANSI code page as VerQueryValueA gives it; false when there is no such value or a node on the
// way is not sound. The text ends at its first zero or at its stated length.
bool FindVersionString(const uint8_t* resource, size_t size, const char* subBlock,
                       std::string* value);

} // namespace platform
