#include "drivers/system_list.h"

#include "platform/system_memory.h"

#include <cstring>
#include <set>
#include <vector>

namespace kelvd {

namespace {
constexpr size_t kShortNameSize = 8;
} // namespace

void WalkSystemList(uint32_t head, uint32_t entrySize,
                    const std::function<bool(const uint8_t* entry)>& visit) {
    std::vector<uint8_t> entry(entrySize);
    std::set<uint32_t> visited;
    for (uint32_t address = head; address != 0 && visited.size() < kMaxListEntries;
         address = LoadLe32(entry.data())) {
        if (!visited.insert(address).second ||
            !platform::systemMemory().Read(address, entry.data(), entrySize) ||
            !visit(entry.data()))
            return;
    }
}

uint32_t LoadLe32(const uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

std::string ShortName(const uint8_t* field) {
    const char* text = reinterpret_cast<const char*>(field);
    return std::string(text, strnlen(text, kShortNameSize));
}

} // namespace kelvd
