// The tree of nodes of a version resource (VS_VERSIONINFO), checked node by node: the part of the
// version-resource reader that works on a resource once it is taken out of its image. A tree
// comes in one of two forms, told apart as version.dll tells them, by the resource's fifth byte:
// the 32-bit form (a node header of length, value length and type, keys and text values in
// UTF-16), and the 16-bit form of NE and VxD images (a header of length and value length, keys and
// values in the ANSI code page), whose fifth byte is its key's first character.
#pragma once

#include "platform/checked_bytes.h"

#include <cstdint>
#include <vector>

namespace platform {

// True when the first size bytes of block hold one node whose every descendant is whole within
// its parent.
bool IsSoundVersionTree(const Bytes& block, size_t size);

// The bytes of a resource into resource, when the source holds them all and they are a sound
// tree; false (and resource untouched) otherwise. Only the first 65535 bytes, the most a tree can
// span, are copied.
bool TakeVersionTree(const Bytes& bytes, std::vector<uint8_t>* resource);

} // namespace platform
