#include "target/target_text.h"

#include "platform/code_page.h"

#include <algorithm>

namespace kelvd {

TargetString Widen(const std::string& text) {
    std::u16string wide = platform::Utf16FromAnsi(text);
    return TargetString(wide.begin(), wide.end());
}

TargetString TextOfUnits(const KelvdTargetChar* units, size_t count) {
    return TargetString(units, std::find(units, units + count, KelvdTargetChar{0}));
}

std::string ToModelText(const TargetString& text) {
    return platform::AnsiFromUtf16(std::u16string(text.begin(), text.end()));
}

} // namespace kelvd
