#include "target/target_store.h"

#include "app/config_app.h"
#include "platform/registry.h"
#include "stores/hook_state_file.h"
#include "stores/little_endian.h"
#include "stores/settings_key.h"
#include "target/memory_target.h"

#include <new>

namespace kelvd {

namespace {

// The size of the buffer a list is first read into. A target that reports a larger value gets
// a buffer of that size, up to kMaxListSize: lists are written whole, however long, so they
// must read back whole; a larger size than any table could produce is taken as a failed read.
constexpr uint32_t kListBufferSize = 8192;
constexpr uint32_t kMaxListSize = 1 << 20;

// The entries this store calls; a table without one of them is not used at all.
bool IsUsable(const TargetRegistry* target) {
    return target && target->OpenKey && target->CreateKeyEx && target->SetValue &&
           target->QueryValue && target->CloseKey;
}

class TargetSettingsKey final : public SettingsKey {
public:
    TargetSettingsKey(TargetRegistry& target, KelvdTargetKey key) : target_(target), key_(key) {}
    ~TargetSettingsKey() override { target_.CloseKey(key_); }
    TargetSettingsKey(const TargetSettingsKey&) = delete;
    TargetSettingsKey& operator=(const TargetSettingsKey&) = delete;

    void SetDword(const char* name, uint32_t value) override {
        uint8_t le[4];
        StoreUint32(le, value);
        target_.SetValue(key_, Widen(name).c_str(), 0, platform::reg::kDword, le, sizeof le);
    }
    void SetBinary(const char* name, const std::string& bytes) override {
        target_.SetValue(key_, Widen(name).c_str(), 0, platform::reg::kBinary,
                         reinterpret_cast<const uint8_t*>(bytes.data()),
                         static_cast<uint32_t>(bytes.size()));
    }
    bool QueryDword(const char* name, uint32_t* value) override {
        std::vector<uint8_t> bytes(4);
        if (!Query(name, &bytes) || bytes.size() != 4)
            return false;
        *value = LoadUint32(bytes.data());
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
        int32_t result =
            target_.QueryValue(key_, Widen(name).c_str(), nullptr, nullptr, bytes->data(), &size);
        if (result == platform::reg::kMoreData && needed)
            *needed = size;
        if (result != platform::reg::kSuccess || size > bytes->size())
            return false;
        bytes->resize(size);
        return true;
    }

    TargetRegistry& target_;
    KelvdTargetKey key_;
};

bool OpenTargetKey(TargetRegistry& target, uint32_t access, KelvdTargetKey* key) {
    return target.OpenKey(target.context, KELVD_TARGET_ROOT, Widen(kTargetServiceKey).c_str(), 0,
                          access, key) == platform::reg::kSuccess;
}

bool CreateTargetKey(TargetRegistry& target, KelvdTargetKey* key) {
    uint32_t disposition = 0;
    return target.CreateKeyEx(KELVD_TARGET_ROOT, Widen(kTargetServiceKey).c_str(), 0, nullptr, 0,
                              platform::reg::kAllAccess, nullptr, key,
                              &disposition) == platform::reg::kSuccess;
}

// Every entry of the target's UserDriver list becomes a user row, at most the table's 128.
void AddTargetUserDriver(const StateEntry& entry) {
    DriverEntry row;
    row.path = entry.name;
    row.checkState = entry.state;
    configModel().userDrivers.Append(row);
}

} // namespace

void SaveToTarget(const ScalarPages& pages) {
    TargetRegistry* target = configApp().target;
    if (!IsUsable(target))
        return;
    KelvdTargetKey handle = 0;
    if (!OpenTargetKey(*target, platform::reg::kWrite, &handle) &&
        !CreateTargetKey(*target, &handle))
        return;
    {
        TargetSettingsKey key(*target, handle);
        WriteSettings(key, pages.Read(), false);
    }
    SaveHookState();
}

void LoadFromTarget(const ScalarPages& pages) {
    TargetRegistry* target = configApp().target;
    KelvdTargetKey handle = 0;
    if (!IsUsable(target) || !OpenTargetKey(*target, platform::reg::kRead, &handle))
        return;
    TargetSettingsKey key(*target, handle);
    ReadSettings(key, pages, AddTargetUserDriver);
}

} // namespace kelvd
