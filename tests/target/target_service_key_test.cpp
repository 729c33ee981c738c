// The checker's service key written on the embedded target.
#include "platform/system_info.h"
#include "target/target_service_key.h"
#include "test_host.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

constexpr const char* kCheckerKey = "System\\ControlSet001\\Services\\Kelvd";

std::string Dword(uint32_t value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}
std::string Utf16(const std::string& text) {
    const TargetString units = Widen(text);
    return std::string(reinterpret_cast<const char*>(units.c_str()),
                       (units.size() + 1) * sizeof(KelvdTargetChar));
}

class TargetServiceKey : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(0u, host_.registry().OpenHandleCount()); }

    platform::FixedSystemInfo system_; // Windows 2000
    platform::ScopedSystemInfo scoped_{system_};
    test::TestHost host_;
};

TEST_F(TargetServiceKey, CreatesTheKeyWithTheCheckerValuesAndTheWholeGroupName) {
    WriteTargetServiceKey(*host_.table());
    for (const char* name : {"Type", "ErrorControl", "Tag"})
        EXPECT_EQ(Dword(1), host_.Bytes(kCheckerKey, name)) << name;
    EXPECT_EQ(Dword(0), host_.Bytes(kCheckerKey, "Start"));
    EXPECT_EQ(Utf16("Boot Bus Extender"), host_.Bytes(kCheckerKey, "Group"));
}

TEST_F(TargetServiceKey, ExistingStartTypeStaysAndOtherVersionsUseTheSystemBus) {
    system_.facts.version = 0x05650004; // NT 4
    host_.PutDword(kCheckerKey, "Start", 3);
    WriteTargetServiceKey(*host_.table());
    EXPECT_EQ(Dword(3), host_.Bytes(kCheckerKey, "Start"));
    EXPECT_EQ(Utf16("System Bus Extender"), host_.Bytes(kCheckerKey, "Group"));
}

TEST_F(TargetServiceKey, HostCountingCharactersGetsTheNameTerminatedAndNoMore) {
    host_.sizesInCharacters = true;
    WriteTargetServiceKey(*host_.table());
    EXPECT_EQ(Utf16("Boot Bus Extender") + std::string(36, '\0'),
              host_.Bytes(kCheckerKey, "Group"));
}

TEST_F(TargetServiceKey, KeyThatCannotBeOpenedOrCreatedGetsNothing) {
    host_.registry().SetReadOnly(kCheckerKey, true);
    WriteTargetServiceKey(*host_.table());
    EXPECT_EQ("(none)", host_.Bytes(kCheckerKey, "Type"));
}

} // namespace
