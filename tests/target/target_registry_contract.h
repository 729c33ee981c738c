// What the library relies on from an embedded target's TargetRegistry, held to every table it is
// handed in tests and tools: the in-memory target, the hive-backed target of kelvcfg and kwhost's
// plain C table over another. The answers are the registry's (measured against Windows' registry
// through Wine by the registry contract): statuses, sizes, paths, the order of subkeys.
#pragma once

#include "platform/foreign_call.h"
#include "platform/registry.h"
#include "target/target_registry.h"
#include "target/target_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace kelvd::test {

// A table under test, with whatever keeps it working.
struct TargetUnderTest {
    virtual ~TargetUnderTest() = default;
    virtual const TargetRegistry& table() = 0;
};

struct TargetMaker {
    const char* name;
    std::function<std::unique_ptr<TargetUnderTest>()> make;
};

// Every call made as the library makes it, through CallForeign, statuses as they come.
class TargetRegistryContract : public ::testing::TestWithParam<TargetMaker> {
public:
    static constexpr const char* kBase = "SYSTEM\\ControlSet001\\Services\\Contract";

    void SetUp() override { target_ = GetParam().make(); }
    void TearDown() override { target_.reset(); }

    const TargetRegistry& T() { return target_->table(); }

    int32_t Open(KelvdTargetKey parent, const std::string& path, KelvdTargetKey* key,
                 uint32_t access = platform::reg::kRead) {
        return platform::CallForeign(T().OpenKey, T().context, parent, Widen(path).c_str(), 0u,
                                     access, key);
    }
    int32_t Create(KelvdTargetKey parent, const std::string& path, KelvdTargetKey* key) {
        return platform::CallForeign(T().CreateKey, parent, Widen(path).c_str(), key);
    }
    int32_t CreateEx(KelvdTargetKey parent, const std::string& path, KelvdTargetKey* key) {
        uint32_t disposition = 0;
        return platform::CallForeign(T().CreateKeyEx, parent, Widen(path).c_str(), 0u,
                                     static_cast<KelvdTargetChar*>(nullptr), 0u,
                                     platform::reg::kAllAccess, static_cast<void*>(nullptr), key,
                                     &disposition);
    }
    int32_t Set(KelvdTargetKey key, const char* name, uint32_t type, const std::string& data) {
        return platform::CallForeign(T().SetValue, key, Widen(name).c_str(), 0u, type,
                                     reinterpret_cast<const uint8_t*>(data.data()),
                                     static_cast<uint32_t>(data.size()));
    }
    int32_t Query(KelvdTargetKey key, const char* name, uint32_t* type, uint8_t* data,
                  uint32_t* size) {
        return platform::CallForeign(T().QueryValue, key, Widen(name).c_str(),
                                     static_cast<uint32_t*>(nullptr), type, data, size);
    }
    int32_t Enum(KelvdTargetKey key, uint32_t index, KelvdTargetChar* name, uint32_t* length) {
        KelvdTargetFileTime written{};
        return platform::CallForeign(
            T().EnumKey, key, index, name, length, static_cast<uint32_t*>(nullptr),
            static_cast<KelvdTargetChar*>(nullptr), static_cast<uint32_t*>(nullptr), &written);
    }
    int32_t Close(KelvdTargetKey key) { return platform::CallForeign(T().CloseKey, key); }

    // The base key, made.
    KelvdTargetKey Base() {
        KelvdTargetKey key = 0;
        EXPECT_EQ(platform::reg::kSuccess, Create(KELVD_TARGET_ROOT, kBase, &key));
        return key;
    }

protected:
    std::unique_ptr<TargetUnderTest> target_;
};

// The name of a case's table, for INSTANTIATE_TEST_SUITE_P.
std::string TargetName(const ::testing::TestParamInfo<TargetMaker>& info);

} // namespace kelvd::test
