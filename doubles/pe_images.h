// Small PE images made byte by byte, so that every link of their headers and of their version
// resources can be set at will: the images the version-resource reader is tested and fuzzed
// with, sound ones and damaged ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace platform {

using ImageBytes = std::vector<uint8_t>;

// Writes value at offset at as width little-endian bytes, growing bytes as needed.
void PutLittleEndian(ImageBytes& bytes, size_t at, uint32_t value, int width = 4);

// The image with each (offset, value) link written as width little-endian bytes.
ImageBytes WithLinks(ImageBytes image, std::initializer_list<std::pair<size_t, uint32_t>> links,
                     int width = 4);

// A version node finished from node, which holds its header and its key with the terminator:
// padded to a multiple of four, the value, each child at a multiple of four, then the node's
// length at 0 and valueLength at 2. The 32-bit and 16-bit forms share it.
ImageBytes FinishVersionNode(ImageBytes node, const ImageBytes& value,
                             const std::vector<ImageBytes>& children, uint16_t valueLength);

// One node of a version resource with its lengths and padding: its key, its value (type 1: a
// text, whose length counts 16-bit units; type 0: binary) and its children.
ImageBytes VersionNode(const std::u16string& key, const ImageBytes& value, uint16_t type,
                       const std::vector<ImageBytes>& children = {});
// A node holding a text value.
ImageBytes VersionText(const std::u16string& key, const std::u16string& text);
// A VS_VERSION_INFO with a zeroed fixed part and the given nodes in the string table 040904B0.
ImageBytes VersionBlock(const std::vector<ImageBytes>& strings);

// A PE32+ (or PE32) image with one section at RVA 0x1000, file offset 0x200, holding the
// resource directory: type 16 at 0x200, name 1 at 0x218, the languages at 0x230 (those given in
// their order, by default 0x409 for the first block and one more for each further one), their
// data entries after them and then the blocks. With one block the data entry is at 0x248 and the
// block at 0x258.
ImageBytes VersionImage(const std::vector<ImageBytes>& blocks, bool pe32Plus = true,
                        const std::vector<uint16_t>& languages = {});

// A PE32+ image with one version block for each language given, in their order, whose
// FileDescription in 040904B0 names its language ("lang 0407").
ImageBytes LanguagesImage(const std::vector<uint16_t>& languages);

// A PE32+ image whose resource directory has 256 type entries (ids 1 to 256, 16 leading on) and
// a name directory of names entries (ids 1 to names, 1 leading on) before a language directory of
// one sound resource: reading it takes 256 + names + 1 directory entries.
ImageBytes CrowdedVersionImage(uint32_t names);

struct NamedImage {
    std::string name; // letters, digits and underscores only, so that it can name a file
    ImageBytes bytes;
};

// Images whose version resource a loader must not be given, each broken in one link of its
// headers, its resource directory or its version resource tree. Among them the two that crash
// a version.dll which trusts them: a data entry at RVA 0x7FFFFF00 of size 0x7FFFFFFF, and a
// VS_VERSION_INFO whose length is 0xFFFF.
std::vector<NamedImage> DamagedVersionImages();

} // namespace platform
