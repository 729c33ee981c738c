// Version resources of files: GetFileVersionInfoSizeA, GetFileVersionInfoA and VerQueryValueA.
// An image reaches the system's version functions only once the library's own reader (see
// pe_version_resource.h) has found its version resources sound; any other counts as a file
// without a version resource. The reader takes only the pages of the file that the version
// resources need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The version resource of the image file at path (ReadImageVersionResource); false when the file
// cannot be read or has no sound version resource. largestSize, when given, receives the largest
// size one of its version resources declares.
bool ReadVersionResource(const char* path, std::vector<uint8_t>* resource,
                         uint32_t* largestSize = nullptr);

// GetFileVersionInfoSizeA, then GetFileVersionInfoA into a block of that size, never less than
// VersionBlockSize of the largest version resource the file declares; false when the file has no
// sound version resource or the system's functions find none.
bool ReadVersionBlock(const char* path, std::vector<uint8_t>* block);

// VerQueryValueA of a string value ("\StringFileInfo\<lang><codepage>\<key>") in a block that
// ReadVersionBlock filled: the text in the ANSI code page, or false when there is none or the
// block is not sound.
bool QueryVersionValue(const std::vector<uint8_t>& block, const char* subBlock, std::string* value);

// The platform's part of ReadVersionBlock, given what the library's reader took from the sound
// file at path.
bool SystemVersionBlock(const char* path, const std::vector<uint8_t>& resource,
                        uint32_t largestSize, std::vector<uint8_t>* block);

} // namespace platform
