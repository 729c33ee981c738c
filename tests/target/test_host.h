// A host's TargetRegistry over an in-memory target, with helpers to fill and read its registry.
#pragma once

#include "doubles/memory_target.h"
#include "support/registry_fixture.h"
#include "target/target_text.h"

namespace kelvd::test {

class TestHost {
public:
    TestHost() { // becomes the current host
        table_.SetValue = &SetValue;
        table_.QueryValue = &QueryValue;
        Current() = this;
    }
    ~TestHost() { Current() = previous_; } // and stops being it
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    TargetRegistry* table() { return &table_; }
    platform::MemoryRegistry& registry() { return target_.registry(); }

    // A value as the host holds it: raw bytes, a number, UTF-16 text (terminated unless told).
    void PutBytes(const std::string& key, const char* name, uint32_t type,
                  const std::string& bytes) {
        platform::RegKey handle = 0;
        ASSERT_EQ(0, registry().CreateKey(platform::kLocalMachine, key.c_str(),
                                          platform::reg::kAllAccess, &handle));
        registry().SetValue(handle, name, type, reinterpret_cast<const uint8_t*>(bytes.data()),
                            static_cast<uint32_t>(bytes.size()));
        registry().CloseKey(handle);
    }
    void PutDword(const std::string& key, const char* name, uint32_t value) {
        PutBytes(key, name, 4, Dword(value));
    }
    void PutText(const std::string& key, const char* name, const std::string& text,
                 uint32_t type = 1, bool terminated = true) {
        PutBytes(key, name, type, Utf16(text, terminated));
    }
    static std::string Utf16(const std::string& text, bool terminated = true) {
        const TargetString units = Widen(text);
        return std::string(reinterpret_cast<const char*>(units.c_str()),
                           (units.size() + (terminated ? 1 : 0)) * sizeof(KelvdTargetChar));
    }
    // The raw bytes of a value, or "(none)".
    std::string Bytes(const std::string& key, const char* name) {
        platform::RegKey handle = 0;
        uint32_t size = 0;
        std::string bytes = "(none)";
        if (registry().OpenKey(platform::kLocalMachine, key.c_str(), platform::reg::kRead, &handle))
            return bytes;
        if (registry().QueryValue(handle, name, nullptr, nullptr, &size) == 0) {
            bytes.assign(size, '\0');
            registry().QueryValue(handle, name, nullptr, reinterpret_cast<uint8_t*>(bytes.data()),
                                  &size);
        }
        registry().CloseKey(handle);
        return bytes;
    }

    // Takes string sizes for characters, and answers string queries with the size 0xFFFFFFFF.
    bool sizesInCharacters = false;

private:
    static TestHost*& Current() {
        static TestHost* current = nullptr;
        return current;
    }
    // The string calls of a host that counts sizes in characters, over the in-memory target's own.
    static int32_t KELVD_TARGET_API SetValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                             uint32_t reserved, uint32_t type, const uint8_t* data,
                                             uint32_t size) {
        if (Current()->sizesInCharacters && type == 1)
            size *= sizeof(KelvdTargetChar);
        return Current()->target_.table()->SetValue(key, name, reserved, type, data, size);
    }
    static int32_t KELVD_TARGET_API QueryValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                               uint32_t* reserved, uint32_t* type, uint8_t* data,
                                               uint32_t* size) {
        const bool characters = Current()->sizesInCharacters && size && *size > 4;
        if (characters)
            *size *= sizeof(KelvdTargetChar);
        int32_t result =
            Current()->target_.table()->QueryValue(key, name, reserved, type, data, size);
        if (characters && result == 0)
            *size = 0xFFFFFFFF;
        return result;
    }

    MemoryTarget target_;
    TargetRegistry table_ = *target_.table();
    TestHost* previous_ = Current();
};

} // namespace kelvd::test
