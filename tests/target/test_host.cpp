#include "test_host.h"

#include "support/registry_fixture.h"

#include <gtest/gtest.h>

namespace kelvd::test {

namespace {
TestHost* current = nullptr;
} // namespace

// The string calls of a host that counts sizes in characters, over the in-memory target's own.
struct TestHost::Calls {
    static const TargetRegistry& Memory() { return *current->target_.table(); }

    static int32_t KELVD_TARGET_API SetValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                             uint32_t reserved, uint32_t type, const uint8_t* data,
                                             uint32_t size) {
        if (current->sizesInCharacters && type == 1)
            size *= sizeof(KelvdTargetChar);
        return Memory().SetValue(key, name, reserved, type, data, size);
    }
    static int32_t KELVD_TARGET_API QueryValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                               uint32_t* reserved, uint32_t* type, uint8_t* data,
                                               uint32_t* size) {
        const bool characters = current->sizesInCharacters && size && *size > 4;
        if (characters)
            *size *= sizeof(KelvdTargetChar);
        int32_t result = Memory().QueryValue(key, name, reserved, type, data, size);
        if (characters && result == 0)
            *size = 0xFFFFFFFF;
        return result;
    }
};

TestHost::TestHost() : previous_(current) {
    table_ = *target_.table();
    table_.SetValue = &Calls::SetValue;
    table_.QueryValue = &Calls::QueryValue;
    current = this;
}

TestHost::~TestHost() {
    current = previous_;
}

void TestHost::PutBytes(const std::string& key, const char* name, uint32_t type,
                        const std::string& bytes) {
    platform::RegKey handle = 0;
    ASSERT_EQ(0, registry().CreateKey(platform::kLocalMachine, key.c_str(),
                                      platform::reg::kAllAccess, &handle));
    registry().SetValue(handle, name, type, reinterpret_cast<const uint8_t*>(bytes.data()),
                        static_cast<uint32_t>(bytes.size()));
    registry().CloseKey(handle);
}

void TestHost::PutDword(const std::string& key, const char* name, uint32_t value) {
    PutBytes(key, name, 4, Dword(value));
}

void TestHost::PutText(const std::string& key, const char* name, const std::string& text,
                       uint32_t type, bool terminated) {
    const TargetString units = Widen(text);
    PutBytes(key, name, type,
             std::string(reinterpret_cast<const char*>(units.c_str()),
                         (units.size() + (terminated ? 1 : 0)) * sizeof(KelvdTargetChar)));
}

std::string TestHost::Bytes(const std::string& key, const char* name) {
    platform::RegKey handle = 0;
    uint32_t size = 1 << 20;
    std::string bytes(size, '\0');
    if (registry().OpenKey(platform::kLocalMachine, key.c_str(), platform::reg::kRead, &handle))
        return "(none)";
    const bool found = registry().QueryValue(handle, name, nullptr,
                                             reinterpret_cast<uint8_t*>(bytes.data()), &size) == 0;
    registry().CloseKey(handle);
    return found ? bytes.substr(0, size) : "(none)";
}

} // namespace kelvd::test
