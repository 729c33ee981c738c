// The print of what the library stored on an in-memory target.
#include "host/target_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace kwhost {

namespace {

namespace reg = platform::reg;

// Every value type as reg query shows it; a missing key is said to be missing.
TEST(TargetReport, EveryValueTypeAndAMissingKey) {
    platform::MemoryRegistry registry;
    platform::RegKey key;
    ASSERT_EQ(reg::kSuccess,
              registry.CreateKey(platform::kLocalMachine, "S\\K", reg::kAllAccess, &key));
    const std::tuple<const char*, uint32_t, std::vector<uint8_t>> values[] = {
        {"Number", reg::kDword, {0x01, 0x02, 0x03, 0x04}},
        {"Text", reg::kSz, {'A', 0, 'b', 0, 0, 0}},
        {"Path", reg::kExpandSz, {'%', 0, 0x00, 0x01, 'x', 0}}, // no terminator, a wide unit
        {"Names", reg::kMultiSz, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}},
        {"Bytes", reg::kBinary, {0x0A, 0xFF, 0x00}},
        {"", reg::kBinary, {}},
        {"Short", reg::kDword, {1, 2}},
        {"Odd", 0x42, {0x01}}};
    for (const auto& [name, type, data] : values)
        registry.SetValue(key, name, type, data.data(), static_cast<uint32_t>(data.size()));
    registry.CloseKey(key);
    std::ostringstream out;
    PrintTargetKey(registry, "S\\K", out);
    EXPECT_EQ(0u, registry.OpenHandleCount());
    PrintTargetKey(registry, "System\\Kelvd", out);
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\S\\K\n"
              "    Number    REG_DWORD    0x4030201\n"
              "    Text    REG_SZ    Ab\n"
              "    Path    REG_EXPAND_SZ    %?x\n"
              "    Names    REG_MULTI_SZ    a\\0b\n"
              "    Bytes    REG_BINARY    0AFF00\n"
              "    (Default)    REG_BINARY    \n"
              "    Short    0x4    0102\n"
              "    Odd    0x42    01\n"
              "HKEY_LOCAL_MACHINE\\System\\Kelvd: no such key\n",
              out.str());
}

} // namespace

} // namespace kwhost
