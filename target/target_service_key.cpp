#include "target/target_service_key.h"

#include "stores/registry_store.h"
#include "target/target_key.h"

namespace kelvd {

namespace {

// Sets a REG_SZ value so that the whole text with its terminator arrives. The size is given in
// bytes of the UTF-16 text with its terminator, as the table's calls count sizes (they mirror
// RegSetValueExW): a host that counts so stores exactly the text, where characters plus one would
// cut it to half. The text lies in zeros to twice its size, so a host that took the size for
// characters would still store the text and its terminator, and read no further than the buffer.
void SetText(const TargetKey& key, const char* name, const std::string& text) {
    TargetString units = Widen(text);
    const uint32_t size = static_cast<uint32_t>((units.size() + 1) * sizeof(KelvdTargetChar));
    units.resize(size, 0);
    key.Set(name, platform::reg::kSz, units.data(), size);
}

} // namespace

void WriteTargetServiceKey(const TargetRegistry& target) {
    TargetKey key(target);
    const TargetString path = Widen(kTargetServiceKey);
    if (!key.Open(KELVD_TARGET_ROOT, path, platform::reg::kWrite) &&
        !key.Create(KELVD_TARGET_ROOT, path))
        return;
    // A start type the target already has stays.
    uint32_t start = 0, size = sizeof start;
    if (!key.Query("Start", nullptr, &start, &size))
        key.SetDword("Start", 0);
    key.SetDword("Type", 1);
    key.SetDword("ErrorControl", 1);
    SetText(key, "Group", CheckerGroup());
    key.SetDword("Tag", 1);
}

} // namespace kelvd
