#include "target/target_key.h"

#include "platform/foreign_call.h"
#include "platform/little_endian.h"

namespace kelvd {

bool TargetKey::Open(KelvdTargetKey parent, const TargetString& path, uint32_t access) {
    Close();
    open_ = target_.OpenKey && platform::CallForeign(target_.OpenKey, target_.context, parent,
                                                     path.c_str(), 0u, access, &key_) == 0;
    return open_;
}

bool TargetKey::Create(KelvdTargetKey parent, const TargetString& path) {
    Close();
    open_ = target_.CreateKey &&
            platform::CallForeign(target_.CreateKey, parent, path.c_str(), &key_) == 0;
    return open_;
}

bool TargetKey::CreateEx(KelvdTargetKey parent, const TargetString& path, uint32_t access) {
    Close();
    uint32_t disposition = 0;
    open_ = target_.CreateKeyEx &&
            platform::CallForeign(target_.CreateKeyEx, parent, path.c_str(), 0u, nullptr, 0u,
                                  access, nullptr, &key_, &disposition) == 0;
    return open_;
}

void TargetKey::Close() {
    if (open_ && target_.CloseKey)
        platform::CallForeign(target_.CloseKey, key_);
    open_ = false;
    key_ = 0;
}

bool TargetKey::Query(const char* name, uint32_t* type, void* data, uint32_t* size) const {
    return target_.QueryValue &&
           platform::CallForeign(target_.QueryValue, key_, Widen(name).c_str(), nullptr, type,
                                 static_cast<uint8_t*>(data), size) == 0;
}

bool TargetKey::QueryDword(const char* name, uint32_t* value) const {
    uint32_t type = kTypeNotReported, number = 0, size = sizeof number;
    if (!Query(name, &type, &number, &size) || size != sizeof number ||
        (type != platform::reg::kDword && type != kTypeNotReported))
        return false;
    *value = number;
    return true;
}

void TargetKey::Set(const char* name, uint32_t type, const void* data, uint32_t size) const {
    if (target_.SetValue)
        platform::CallForeign(target_.SetValue, key_, Widen(name).c_str(), 0u, type,
                              static_cast<const uint8_t*>(data), size);
}

void TargetKey::SetDword(const char* name, uint32_t value) const {
    uint8_t le[4];
    platform::StoreUint32(le, value);
    Set(name, platform::reg::kDword, le, sizeof le);
}

} // namespace kelvd
