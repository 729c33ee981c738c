#include "drivers/system_list.h"

#include "platform/little_endian.h"

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
         address = platform::LoadUint32(entry.data())) {
        if (!visited.insert(address).second ||
            !platform::systemMemory().Read(address, entry.data(), entrySize) ||
            !visit(entry.data()))
            return;
    }
}

std::string ShortName(const uint8_t* field) {
    const char* text = reinterpret_cast<const char*>(field);
    return std::string(text, strnlen(text, kShortNameSize));
}

} // namespace kelvd
