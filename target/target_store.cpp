#include "target/target_store.h"

#include "platform/little_endian.h"
#include "platform/registry.h"
#include "stores/hook_state_file.h"
#include "stores/settings_key.h"
#include "target/target_key.h"
#include "target/target_service_key.h"

#include <new>

namespace kelvd {

namespace {

// The size of the buffer a list is first read into. A target that reports a larger value gets
// a buffer of that size, up to kMaxListSize: lists are written whole, however long, so they
// must read back whole; a larger size than any table could produce is taken as a failed read.
constexpr uint32_t kListBufferSize = 8192;
constexpr uint32_t kMaxListSize = 1 << 20;

// The settings key as the stores write and read it, over an open key of the target.
class TargetSettingsKey final : public SettingsKey {
public:
    explicit TargetSettingsKey(const TargetKey& key) : key_(key) {}

    void SetDword(const char* name, uint32_t value) override { key_.SetDword(name, value); }
    void SetBinary(const char* name, const std::string& bytes) override {
        key_.Set(name, platform::reg::kBinary, bytes.data(), static_cast<uint32_t>(bytes.size()));
    }
    bool QueryDword(const char* name, uint32_t* value) override {
        std::vector<uint8_t> bytes(4);
        if (!Query(name, &bytes) || bytes.size() != 4)
            return false;
        *value = platform::LoadUint32(bytes.data());
        return true;
    }
    bool QueryBytes(const char* name, std::vector<uint8_t>* bytes) override {
        bytes->resize(kListBufferSize);
        uint32_t needed = 0;
        if (Query(name, bytes, &needed))
            return true;
        if (needed <= kListBufferSize || needed > kMaxListSize)
            return false;
        bytes->resize(needed);
        return Query(name, bytes);
    }

private:
    // QueryValue into the whole of *bytes, which then takes the size of the value. A target
    // that reports more data than the buffer holds fails, with the size it asked for in
    // *needed; so does one that claims success with a size beyond the buffer.
    bool Query(const char* name, std::vector<uint8_t>* bytes, uint32_t* needed = nullptr) {
        uint32_t size = static_cast<uint32_t>(bytes->size());
        bool read = key_.Query(name, nullptr, bytes->data(), &size);
        if (!read && needed)
            *needed = size;
        if (!read || size > bytes->size())
            return false;
        bytes->resize(size);
        return true;
    }

    const TargetKey& key_;
};

// Every entry of the target's UserDriver list becomes a user row, at most the table's 128.
void AddTargetUserDriver(const StateEntry& entry, FileNameRows<256>&) {
    DriverEntry row;
    row.path = entry.name;
    row.checkState = entry.state;
    configModel().userDrivers.Append(row);
}

} // namespace

void SaveToTarget(const TargetRegistry& target, const ScalarSettings& settings) {
    WriteTargetServiceKey(target);
    TargetKey key(target);
    const TargetString path = Widen(kTargetServiceKey);
    if (!key.Open(KELVD_TARGET_ROOT, path, platform::reg::kWrite) &&
        !key.CreateEx(KELVD_TARGET_ROOT, path, platform::reg::kAllAccess))
        return;
    TargetSettingsKey settingsKey(key);
    WriteSettings(settingsKey, settings, false);
    key.Close();
    SaveHookState();
}

std::optional<ScalarSettings> LoadFromTarget(const TargetRegistry& target) {
    TargetKey key(target);
    if (!key.Open(KELVD_TARGET_ROOT, Widen(kTargetServiceKey), platform::reg::kRead))
        return std::nullopt;
    TargetSettingsKey settingsKey(key);
    StoredSettings stored = ReadSettings(settingsKey);
    ApplyStoredLists(stored, AddTargetUserDriver);
    return stored.scalars;
}

} // namespace kelvd
