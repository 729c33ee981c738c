// A key of the embedded target's registry, reached through the host's TargetRegistry and closed
// when it goes. A table entry the host left empty makes its calls fail.
#pragma once

#include "platform/registry.h"
#include "target/target_registry.h"
#include "target/target_text.h"

#include <cstdint>

namespace kelvd {

// The checker's service key on the target: under the first control set, where the local store
// uses the current one.
constexpr const char* kTargetServiceKey = "System\\ControlSet001\\Services\\Kelvd";

// The target's access rights and value types are the registry's (platform::reg); a type holds
// this until the host reports one.
constexpr uint32_t kTypeNotReported = 0xFFFFFFFF;

class TargetKey {
public:
    explicit TargetKey(const TargetRegistry& target) : target_(target) {}
    ~TargetKey() { Close(); }
    TargetKey(const TargetKey&) = delete;
    TargetKey& operator=(const TargetKey&) = delete;

    // OpenKey with the table's context; CreateKey. True on status 0.
    bool Open(KelvdTargetKey parent, const TargetString& path, uint32_t access);
    bool Create(KelvdTargetKey parent, const TargetString& path);
    // CreateKeyEx with no class, options 0 and the given access.
    bool CreateEx(KelvdTargetKey parent, const TargetString& path, uint32_t access);
    // CloseKey, when the key is open.
    void Close();

    KelvdTargetKey get() const { return key_; }
    const TargetRegistry& target() const { return target_; }

    // QueryValue; type may be null. True on status 0.
    bool Query(const char* name, uint32_t* type, void* data, uint32_t* size) const;
    // A 4-byte number: true only when the host reads exactly 4 bytes of type REG_DWORD (or
    // reports no type at all).
    bool QueryDword(const char* name, uint32_t* value) const;
    // SetValue; the status is not looked at.
    void Set(const char* name, uint32_t type, const void* data, uint32_t size) const;
    void SetDword(const char* name, uint32_t value) const;

private:
    const TargetRegistry& target_;
    KelvdTargetKey key_ = 0;
    bool open_ = false;
};

} // namespace kelvd
