// Version resources of files, as GetFileVersionInfoA and VerQueryValueA give them. A PE image's
// resource is read by the library's own reader (pe_version_resource.h), which reads only the
// bytes it needs, once per file, and never hands a damaged image to the system's reader; a file
// that is no PE image (the NE and LE images of Windows 9x) is left to the platform's VersionInfo.
#pragma once

#include "platform/override.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A file's version resource, and which reader read it.
struct VersionResource {
    std::vector<uint8_t> block;
    bool fromImage = false; // read by the library's reader, not by the platform's
};

// The file's version resource; false when it has none or cannot be read.
bool ReadVersionResource(const char* path, VersionResource* resource);
// VerQueryValueA of a string value ("\StringFileInfo\<lang><codepage>\<key>"): the text in the
// ANSI code page, or false when the resource holds no such value.
bool QueryVersionValue(const VersionResource& resource, const char* subBlock, std::string* value);

// The platform's own reader, for the files that are no PE image: version.dll on Windows; on the
// substitute such files have no version resource.
class VersionInfo {
public:
    virtual ~VersionInfo() = default;
    // GetFileVersionInfoSizeA: the size of the file's version resource, 0 when it has none or
    // cannot be read.
    virtual uint32_t InfoSize(const char* path) = 0;
    // GetFileVersionInfoA: the resource, read into block (which must hold InfoSize bytes).
    virtual bool Info(const char* path, std::vector<uint8_t>* block) = 0;
    // VerQueryValueA of a string value ("\StringFileInfo\<lang><codepage>\<key>") in a block
    // that Info filled: the text, or false when the block holds no such value.
    virtual bool QueryString(const std::vector<uint8_t>& block, const char* subBlock,
                             std::string* value) = 0;
};

VersionInfo& versionInfo();
VersionInfo& nativeVersionInfo();
using ScopedVersionInfo = Override<VersionInfo>;

} // namespace platform
