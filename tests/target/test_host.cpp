#include "test_host.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace kelvd::test {

namespace {
TestHost* current = nullptr;

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}
} // namespace

// The table's functions: each records the call, bends it as the host is told, and passes it to
// the in-memory target's own function.
struct TestHost::Calls {
    static const TargetRegistry& Memory() { return *current->target_.table(); }

    static int32_t KELVD_TARGET_API OpenKey(uint32_t context, KelvdTargetKey parent,
                                            const KelvdTargetChar* subKey, uint32_t reserved,
                                            uint32_t access, KelvdTargetKey* key) {
        current->calls.push_back("Open " + Narrow(subKey) + " " + Hex(access));
        return Memory().OpenKey(context, parent, subKey, reserved, access, key);
    }
    static int32_t KELVD_TARGET_API CreateKey(KelvdTargetKey parent, const KelvdTargetChar* subKey,
                                              KelvdTargetKey* key) {
        current->calls.push_back("Create " + Narrow(subKey));
        return Memory().CreateKey(parent, subKey, key);
    }
    static int32_t KELVD_TARGET_API SetValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                             uint32_t reserved, uint32_t type, const uint8_t* data,
                                             uint32_t size) {
        current->calls.push_back("Set " + Narrow(name) + " " + std::to_string(type) + " " +
                                 std::to_string(size));
        if (current->sizesInCharacters && type == 1)
            size *= sizeof(KelvdTargetChar);
        return Memory().SetValue(key, name, reserved, type, data, size);
    }
    static int32_t KELVD_TARGET_API QueryValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                               uint32_t* reserved, uint32_t* type, uint8_t* data,
                                               uint32_t* size) {
        current->calls.push_back("Query " + Narrow(name) + (type ? " typed " : " untyped ") +
                                 std::to_string(size ? *size : 0));
        const bool characters = current->sizesInCharacters && size && *size > 4;
        if (characters)
            *size *= sizeof(KelvdTargetChar);
        int32_t result = Memory().QueryValue(key, name, reserved, type, data, size);
        if (characters)
            *size /= sizeof(KelvdTargetChar);
        if (result == 0 && characters && current->reportsSizeTooLarge)
            *size = 0xFFFFFFFF;
        return result;
    }
    static int32_t KELVD_TARGET_API EnumKey(KelvdTargetKey key, uint32_t index,
                                            KelvdTargetChar* name, uint32_t* length,
                                            uint32_t* reserved, KelvdTargetChar* keyClass,
                                            uint32_t* classLength, KelvdTargetFileTime* written) {
        if (!current->endlessKeys)
            return Memory().EnumKey(key, index, name, length, reserved, keyClass, classLength,
                                    written);
        const TargetString ghost = Widen("Ghost");
        std::copy(ghost.c_str(), ghost.c_str() + ghost.size() + 1, name);
        *length = static_cast<uint32_t>(ghost.size());
        return 0;
    }
    static int32_t KELVD_TARGET_API CloseKey(KelvdTargetKey key) {
        current->calls.push_back("Close");
        return Memory().CloseKey(key);
    }
};

TestHost::TestHost() : previous_(current) {
    table_ = *target_.table();
    table_.OpenKey = &Calls::OpenKey;
    table_.CreateKey = &Calls::CreateKey;
    table_.SetValue = &Calls::SetValue;
    table_.QueryValue = &Calls::QueryValue;
    table_.EnumKey = &Calls::EnumKey;
    table_.CloseKey = &Calls::CloseKey;
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

void TestHost::PutText(const std::string& key, const char* name, const std::string& text,
                       uint32_t type, bool terminated) {
    TargetString units = Widen(text);
    const char* bytes = reinterpret_cast<const char*>(units.c_str());
    PutBytes(key, name, type,
             std::string(bytes, (units.size() + (terminated ? 1 : 0)) * sizeof(KelvdTargetChar)));
}

void TestHost::PutDword(const std::string& key, const char* name, uint32_t value) {
    PutBytes(key, name, 4, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

std::string TestHost::Bytes(const std::string& key, const char* name) {
    platform::RegKey handle = 0;
    if (registry().OpenKey(platform::kLocalMachine, key.c_str(), platform::reg::kRead, &handle))
        return "(none)";
    uint32_t size = 0;
    std::string bytes = "(none)";
    if (registry().QueryValue(handle, name, nullptr, nullptr, &size) == 0) {
        bytes.assign(size, '\0');
        registry().QueryValue(handle, name, nullptr, reinterpret_cast<uint8_t*>(bytes.data()),
                              &size);
    }
    registry().CloseKey(handle);
    return bytes;
}

} // namespace kelvd::test
