// Version resources of files: GetFileVersionInfoSizeA, GetFileVersionInfoA, VerQueryValueA.
// An image goes to the system's version functions only once the library's own reader (see
// pe_version_resource.h) has found its version resources sound; any other counts as a file
// without a version resource.
#pragma once

#include "platform/override.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class VersionInfo {
public:
    virtual ~VersionInfo() = default;
    // GetFileVersionInfoSizeA: the size of a buffer for the file's version resource, never less
    // than VersionBlockSize of the largest one it declares; 0 when it has none, cannot be read
    // or is not sound.
    virtual uint32_t InfoSize(const char* path) = 0;
    // GetFileVersionInfoA: the resource, read into block (which must hold InfoSize bytes).
    virtual bool Info(const char* path, std::vector<uint8_t>* block) = 0;
    // VerQueryValueA of a string value ("\StringFileInfo\<lang><codepage>\<key>") in a block
    // that Info filled: the text, or false when the block holds no such value or is not sound.
    virtual bool QueryString(const std::vector<uint8_t>& block, const char* subBlock,
                             std::string* value) = 0;
};

VersionInfo& versionInfo();
VersionInfo& nativeVersionInfo();
using ScopedVersionInfo = Override<VersionInfo>;

// Reads the image file at path and finds its version resource with the library's own reader
// (FindVersionResource); false when the file cannot be read, is larger than any driver image,
// or has no sound version resource.
bool ReadVersionResource(const char* path, std::vector<uint8_t>* resource, uint32_t* largestSize);

} // namespace platform
