// Multi-byte numbers of the stored binary formats are little-endian on every host.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

inline void StoreUint32(uint8_t* le, uint32_t value) {
    le[0] = static_cast<uint8_t>(value);
    le[1] = static_cast<uint8_t>(value >> 8);
    le[2] = static_cast<uint8_t>(value >> 16);
    le[3] = static_cast<uint8_t>(value >> 24);
}

inline void AppendUint32(std::string& bytes, uint32_t value) {
    uint8_t le[4];
    StoreUint32(le, value);
    bytes.append(reinterpret_cast<const char*>(le), sizeof le);
}

inline uint16_t LoadUint16(const uint8_t* le) {
    return static_cast<uint16_t>(le[0] | le[1] << 8);
}

inline uint32_t LoadUint32(const uint8_t* le) {
    return le[0] | le[1] << 8 | le[2] << 16 | static_cast<uint32_t>(le[3]) << 24;
}

} // namespace platform
