// Version resources of files: GetFileVersionInfoSizeA, GetFileVersionInfoA, VerQueryValueA.
#pragma once

#include "platform/override.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

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
