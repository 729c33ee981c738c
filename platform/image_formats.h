// The version-resource readers of each kind of image, given the image's bytes and where its new
// header (the one e_lfanew points at) begins: the parts of image_version_resource.cpp that know
// one format each.
#pragma once

#include "platform/checked_bytes.h"
#include "platform/resource_languages.h"

#include <cstdint>
#include <vector>

namespace platform {

// The version resource's type (RT_VERSION) and name (VS_VERSION_INFO), as integer ids.
constexpr uint16_t kVersionType = 16;
constexpr uint16_t kVersionName = 1;

// PE32 and PE32+: the resource directory, in the language the loader picks.
bool FindPeVersionResource(const Bytes& file, size_t header, const LoaderLanguages& languages,
                           std::vector<uint8_t>* resource);
// NE: the resource table.
bool FindNeVersionResource(const Bytes& file, size_t header, std::vector<uint8_t>* resource);
// LE, as VxDs have it: the version resource the header points at.
bool FindVxdVersionResource(const Bytes& file, size_t header, std::vector<uint8_t>* resource);

} // namespace platform
