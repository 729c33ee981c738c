#include "stores/category_value.h"

#include "platform/little_endian.h"

namespace kelvd {

std::string EncodeCategoryValue(const ApiCategory& category) {
    std::string bytes;
    bytes.reserve(4 + category.eventFlags.size());
    platform::AppendUint32(bytes, static_cast<uint32_t>(category.eventFlags.size()));
    bytes.append(category.eventFlags.begin(), category.eventFlags.end());
    return bytes;
}

} // namespace kelvd
