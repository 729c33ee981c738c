// The checker's service key written on the embedded target.
#include "platform/system_info.h"
#include "support/store_fixture.h"
#include "target/target_service_key.h"
#include "test_host.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using test::Dword;

constexpr const char* kCheckerKey = "System\\ControlSet001\\Services\\Kelvd";

std::string Utf16(const std::string& text) {
    const TargetString units = Widen(text);
    return std::string(reinterpret_cast<const char*>(units.c_str()),
                       (units.size() + 1) * sizeof(KelvdTargetChar));
}

struct ServiceKeyCase {
    const char* name;
    uint32_t version;
    bool sizesInCharacters;
    uint32_t start; // found in the key; 0 when none is there
    std::string group;
};

class TargetServiceKey : public ::testing::TestWithParam<ServiceKeyCase> {};

TEST_P(TargetServiceKey, HoldsTheCheckerValuesTheStartItHadAndTheWholeGroupName) {
    platform::FixedSystemInfo system;
    system.facts.version = GetParam().version;
    platform::ScopedSystemInfo scoped(system);
    test::TestHost host;
    host.sizesInCharacters = GetParam().sizesInCharacters;
    if (GetParam().start)
        host.PutDword(kCheckerKey, "Start", GetParam().start);
    WriteTargetServiceKey(*host.table());
    for (const char* name : {"Type", "ErrorControl", "Tag"})
        EXPECT_EQ(Dword(1), host.Bytes(kCheckerKey, name)) << name;
    EXPECT_EQ(Dword(GetParam().start), host.Bytes(kCheckerKey, "Start"));
    EXPECT_EQ(GetParam().group, host.Bytes(kCheckerKey, "Group"));
    EXPECT_EQ(0u, host.registry().OpenHandleCount());
}

const uint32_t kWindows2000 = platform::SystemFacts().version;

INSTANTIATE_TEST_SUITE_P(
    Hosts, TargetServiceKey,
    ::testing::Values(
        ServiceKeyCase{"Windows2000", kWindows2000, false, 0, Utf16("Boot Bus Extender")},
        ServiceKeyCase{"Nt4WithAStart", 0x05650004, false, 3, Utf16("System Bus Extender")},
        // a host counting characters gets the name terminated and no more
        ServiceKeyCase{"SizesInCharacters", kWindows2000, true, 0,
                       Utf16("Boot Bus Extender") + std::string(36, '\0')}),
    [](const auto& info) { return info.param.name; });

} // namespace
