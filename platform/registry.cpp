#include "platform/registry.h"

#include <memory>

#include "platform/little_endian.h"

#include <cstring>

namespace platform {

Registry& registry() {
    Registry* replacement = ScopedRegistry::slot();
    return replacement ? *replacement : nativeRegistry();
}

int32_t DeleteKeyTree(RegKey parent, const char* subKey) {
    KeyHandle key;
    if (!key.Open(parent, subKey, reg::kAllAccess))
        return reg::kFileNotFound;
    // Names are at most 255 characters; always delete index 0, as deleting shifts the rest.
    char name[256];
    uint32_t length = sizeof name;
    while (registry().EnumKey(key.get(), 0, name, &length) == reg::kSuccess) {
        int32_t result = DeleteKeyTree(key.get(), name);
        if (result != reg::kSuccess)
            return result;
        length = sizeof name;
    }
    key.Close();
    return registry().DeleteKey(parent, subKey);
}

bool KeyHandle::Open(RegKey parent, const char* subKey, uint32_t access) {
    Close();
    open_ = registry().OpenKey(parent, subKey, access, &key_) == reg::kSuccess;
    return open_;
}

bool KeyHandle::Create(RegKey parent, const char* subKey, uint32_t access) {
    Close();
    open_ = registry().CreateKey(parent, subKey, access, &key_) == reg::kSuccess;
    return open_;
}

void KeyHandle::Close() {
    if (open_)
        registry().CloseKey(key_);
    open_ = false;
    key_ = 0;
}

bool KeyHandle::QueryDword(const char* name, uint32_t* value) const {
    uint8_t bytes[4];
    uint32_t size = sizeof bytes;
    if (registry().QueryValue(key_, name, nullptr, bytes, &size) != reg::kSuccess || size < 4)
        return false;
    *value = LoadUint32(bytes);
    return true;
}

bool KeyHandle::QueryString(const char* name, uint32_t bufferSize, std::string* out) const {
    out->clear();
    // Only the bytes the read writes are looked at, so the buffer is not cleared first.
    std::unique_ptr<char[]> buffer(new char[bufferSize]);
    uint32_t size = bufferSize;
    if (registry().QueryValue(key_, name, nullptr, reinterpret_cast<uint8_t*>(buffer.get()),
                              &size) != reg::kSuccess)
        return false;
    size_t length = strnlen(buffer.get(), size);
    if (length == bufferSize)
        return false;
    out->assign(buffer.get(), length);
    return true;
}

bool KeyHandle::QueryBytes(const char* name, std::vector<uint8_t>* out) const {
    out->clear();
    uint32_t size = 0;
    if (registry().QueryValue(key_, name, nullptr, nullptr, &size) != reg::kSuccess)
        return false;
    out->resize(size);
    if (registry().QueryValue(key_, name, nullptr, out->data(), &size) != reg::kSuccess) {
        out->clear();
        return false;
    }
    out->resize(size);
    return true;
}

int32_t KeyHandle::SetDword(const char* name, uint32_t value) const {
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    return registry().SetValue(key_, name, reg::kDword, bytes, sizeof bytes);
}

int32_t KeyHandle::SetString(const char* name, const std::string& text) const {
    return registry().SetValue(key_, name, reg::kSz, reinterpret_cast<const uint8_t*>(text.c_str()),
                               static_cast<uint32_t>(text.size() + 1));
}

int32_t KeyHandle::SetBinary(const char* name, const void* data, uint32_t size) const {
    return registry().SetValue(key_, name, reg::kBinary, static_cast<const uint8_t*>(data), size);
}

} // namespace platform
