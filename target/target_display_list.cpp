#include "target/target_display_list.h"
#include "platform/registry.h"

namespace kelvd {

void SaveTargetDisplayDrivers(const std::string& list) {
    platform::KeyHandle key;
    if (!key.Open(platform::kLocalMachine, "SOFTWARE\\Ostrand\\EmbeddedFL",
                  platform::reg::kSetValue))
        return;
    // The size counts the text without a terminating zero.
    platform::registry().SetValue(key.get(), "InstalledDisplayDrivers", platform::reg::kSz,
                                  reinterpret_cast<const uint8_t*>(list.data()),
                                  static_cast<uint32_t>(list.size()));
}

} // namespace kelvd
