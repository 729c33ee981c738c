// The print of what the library stored on an in-memory target.
#include "host/target_report.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kwhost {

namespace {

namespace reg = platform::reg;

std::string Print(platform::MemoryRegistry& registry, const char* path) {
    std::ostringstream out;
    PrintTargetKey(registry, path, out);
    return out.str();
}

void Put(platform::MemoryRegistry& registry, const char* name, uint32_t type,
         const std::vector<uint8_t>& data) {
    platform::RegKey key;
    ASSERT_EQ(reg::kSuccess,
              registry.CreateKey(platform::kLocalMachine, "S\\K", reg::kAllAccess, &key));
    registry.SetValue(key, name, type, data.data(), static_cast<uint32_t>(data.size()));
    registry.CloseKey(key);
}

// Every value type as reg query shows it; a missing key is said to be missing.
TEST(TargetReport, EveryValueTypeAndAMissingKey) {
    platform::MemoryRegistry registry;
    Put(registry, "Number", reg::kDword, {0x01, 0x02, 0x03, 0x04});
    Put(registry, "Text", reg::kSz, {'A', 0, 'b', 0, 0, 0});
    // No terminator, and a unit beyond the narrow code page.
    Put(registry, "Path", reg::kExpandSz, {'%', 0, 0x00, 0x01, 'x', 0});
    Put(registry, "Names", reg::kMultiSz, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0});
    Put(registry, "Bytes", reg::kBinary, {0x0A, 0xFF, 0x00});
    Put(registry, "", reg::kBinary, {});
    Put(registry, "Short", reg::kDword, {1, 2});
    Put(registry, "Odd", 0x42, {0x01});
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\S\\K\n"
              "    Number    REG_DWORD    0x4030201\n"
              "    Text    REG_SZ    Ab\n"
              "    Path    REG_EXPAND_SZ    %?x\n"
              "    Names    REG_MULTI_SZ    a\\0b\n"
              "    Bytes    REG_BINARY    0AFF00\n"
              "    (Default)    REG_BINARY    \n"
              "    Short    0x4    0102\n"
              "    Odd    0x42    01\n",
              Print(registry, "S\\K"));
    EXPECT_EQ(0u, registry.OpenHandleCount());
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\System\\Kelvd: no such key\n", Print(registry, "System\\Kelvd"));
}

} // namespace

} // namespace kwhost
