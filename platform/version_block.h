// The tree of nodes of a version resource (VS_VERSIONINFO), checked node by node: the part of the
// version-resource reader that works on a resource once it is taken out of its image.
#pragma once

#include "platform/checked_bytes.h"

namespace platform {

// True when the first size bytes of block hold one node whose every descendant is whole within
// its parent.
bool IsSoundVersionTree(const Bytes& block, size_t size);

} // namespace platform
