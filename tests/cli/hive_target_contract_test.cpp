// The registry contract of a host's table, held to kelvcfg's hive-backed target over a SYSTEM hive.
#include "target/target_registry_contract.h"

#include "cli/hive.h"
#include "cli/hive_target.h"
#include "doubles/system_hive.h"
#include "support/temp_dir.h"

namespace {

using kelvd::test::TargetMaker;
using kelvd::test::TargetRegistryContract;
using kelvd::test::TargetUnderTest;

struct OfflineHiveTarget : TargetUnderTest {
    OfflineHiveTarget() {
        const std::string path = kelvd::test::TempDir::NativePath(dir.File("SYSTEM"));
        EXPECT_TRUE(platform::WriteSystemHive(path));
        hive = kelvcfg::Hive::Open(path, kelvcfg::Hive::Mode::TryChange);
        target = std::make_unique<kelvcfg::HiveTarget>(*hive, nullptr);
    }
    const TargetRegistry& table() override { return *target->table(); }

    kelvd::test::TempDir dir;
    std::unique_ptr<kelvcfg::Hive> hive;
    std::unique_ptr<kelvcfg::HiveTarget> target;
};

INSTANTIATE_TEST_SUITE_P(Kelvcfg, TargetRegistryContract,
                         ::testing::Values(TargetMaker{
                             "Hive", [] { return std::make_unique<OfflineHiveTarget>(); }}),
                         kelvd::test::TargetName);

} // namespace
