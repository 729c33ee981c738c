#include "stores/state_list.h"

#include <cstring>

namespace kelvd {

std::string EncodeStateList(const DriverEntry* rows, size_t count) {
    std::string bytes;
    for (size_t i = 0; i < count; ++i) {
        bytes.append(rows[i].path.c_str(), std::strlen(rows[i].path.c_str()) + 1);
        bytes += static_cast<char>(rows[i].checkState);
    }
    bytes += '\0';
    return bytes;
}

std::vector<StateEntry> DecodeStateList(const uint8_t* data, size_t size) {
    std::vector<StateEntry> entries;
    size_t position = 0;
    while (position < size && data[position] != 0) {
        const void* terminator = std::memchr(data + position, 0, size - position);
        if (!terminator)
            break;
        size_t stateAt = static_cast<const uint8_t*>(terminator) - data + 1;
        if (stateAt >= size)
            break;
        entries.push_back({reinterpret_cast<const char*>(data + position), data[stateAt]});
        position = stateAt + 1;
    }
    return entries;
}

} // namespace kelvd
