// Lists that Windows 9x and the checker keep in system memory, read in place: each entry starts
// with the 32-bit address of the next, and 0 ends the list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kelvd {

// The most entries one walk visits, whatever the list claims.
constexpr uint32_t kMaxListEntries = 65536;

// Reads entrySize bytes at each address from head on and hands them to visit, until the next
// address is 0 or visit returns false. A list whose entries cannot be read, that comes back to
// an entry it has passed (a cycle) or that goes on past kMaxListEntries ends there.
void WalkSystemList(uint32_t head, uint32_t entrySize,
                    const std::function<bool(const uint8_t* entry)>& visit);

// A name of at most 8 characters from an 8-byte field: it ends at its first zero byte or after
// the eighth character.
std::string ShortName(const uint8_t* field);

} // namespace kelvd
