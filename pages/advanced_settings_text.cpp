#include "pages/advanced_settings_text.h"

#include "model/runtime_numbers.h"
#include "res/string_table.h"

#include <cstdio>

namespace kelvd {

namespace {

uint32_t ParseEditText(const std::string& text, int base) {
    return text.empty() ? kEmptyEditValue : ParseUnsigned32(text.c_str(), base);
}

} // namespace

std::string FormatMemUsage(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int32_t>(value));
    return text;
}

std::string FormatStackThreshold(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

uint32_t ParseMemUsage(const std::string& text) {
    return ParseEditText(text, 10);
}

uint32_t ParseStackThreshold(const std::string& text) {
    return ParseEditText(text, 16);
}

bool IsValidMemUsage(uint32_t value) {
    return value >= kMinMemUsage;
}

bool IsValidStackThreshold(uint32_t value) {
    return value >= kMinStackThreshold && value <= kMaxStackThreshold;
}

uint32_t FirstValidationFailure(uint32_t memUsage, uint32_t stackThreshold) {
    if (!IsValidMemUsage(memUsage))
        return kStrSmallEventBuffer;
    if (!IsValidStackThreshold(stackThreshold))
        return kStrBadStackThreshold;
    return 0;
}

} // namespace kelvd
