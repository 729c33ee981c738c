// NE (16-bit) and VxD (LE) images made byte by byte, with version resources in the 16-bit form:
// the images the version-resource reader is tested and fuzzed with beside the PE ones.
#pragma once

#include "doubles/pe_images.h"

namespace platform {

// One node of a 16-bit version resource with its lengths and padding: its key, its value (bytes,
// a text with its terminator) and its children.
ImageBytes VersionNode16(const std::string& key, const ImageBytes& value,
                         const std::vector<ImageBytes>& children = {});
ImageBytes VersionText16(const std::string& key, const std::string& text);
// A 16-bit VS_VERSION_INFO with a zeroed fixed part and the given nodes in the string table
// 040904B0.
ImageBytes VersionBlock16(const std::vector<ImageBytes>& strings);

// An NE image whose resource table (at 0x80, alignment shift 4) holds an icon (type 3) and then
// the version type with two resources: name 2, holding other, then name 1, holding block at
// file offset 0x200.
ImageBytes NeVersionImage(const ImageBytes& block, const ImageBytes& other = {});

// A VxD whose LE header (at 0x80) points at its version resource at 0x200: the 12-byte header of
// a 16-bit resource file entry (type 16, name 1), then block.
ImageBytes VxdVersionImage(const ImageBytes& block);

// NE images and VxDs broken in one link each, of their headers, their resource tables or their
// version resource trees.
std::vector<NamedImage> DamagedLegacyImages();

} // namespace platform
