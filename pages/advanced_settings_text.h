// How the advanced page shows, reads and judges its two settings: the event buffer size in KB
// (decimal) and the stack threshold in bytes (hexadecimal).
#pragma once

#include <cstdint>
#include <string>

namespace kelvd {

constexpr uint32_t kMinMemUsage = 1024;        // KB; there is no upper bound
constexpr uint32_t kMinStackThreshold = 0x400; // both bounds inclusive
constexpr uint32_t kMaxStackThreshold = 0x2800;
constexpr uint32_t kEmptyEditValue = 1024; // what an empty edit text stands for

// "%d" of the value taken as signed: 4294967295 shows as -1.
std::string FormatMemUsage(uint32_t value);
// "0x%08X": 1024 shows as 0x00000400.
std::string FormatStackThreshold(uint32_t value);

// strtoul with base 10 (MemUsage) or base 16 (StackThreshold, a leading "0x" allowed); the empty
// text gives 1024. Text that is not a number reads as its leading digits, or 0.
uint32_t ParseMemUsage(const std::string& text);
uint32_t ParseStackThreshold(const std::string& text);

bool IsValidMemUsage(uint32_t value);
bool IsValidStackThreshold(uint32_t value);

// The check of OK, in its order: the string id of the first rule the values break
// (kStrSmallEventBuffer for the event buffer size, then kStrBadStackThreshold), or 0 when both
// pass.
uint32_t FirstValidationFailure(uint32_t memUsage, uint32_t stackThreshold);

} // namespace kelvd
