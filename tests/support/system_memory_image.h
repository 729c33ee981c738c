// Bytes placed where the platform's own system-memory reader finds them: in the substitute's
// image natively, in freshly committed pages of this process on Windows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kelvd::test {

// Makes the page holding address readable (the pages around it stay unreadable) and copies size
// bytes there; false when the platform cannot place them. The bytes must not cross a page.
bool LayInSystemMemory(uint32_t address, const void* bytes, size_t size);

} // namespace kelvd::test
