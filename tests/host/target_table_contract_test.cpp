// The registry contract of a host's table, held to the in-memory target and to kwhost's plain C
// table over it, in every tree.
#include "target/target_registry_contract.h"

#include "doubles/memory_target.h"
#include "host/plain_c_target.h"

namespace {

using kelvd::test::TargetMaker;
using kelvd::test::TargetRegistryContract;
using kelvd::test::TargetUnderTest;

struct InMemory : TargetUnderTest {
    const TargetRegistry& table() override { return *target.table(); }
    kelvd::MemoryTarget target;
};

struct PlainC : TargetUnderTest {
    const TargetRegistry& table() override { return plain; }
    kelvd::MemoryTarget target;
    TargetRegistry plain = kwhost::PlainCTable(*target.table());
};

INSTANTIATE_TEST_SUITE_P(
    HostTables, TargetRegistryContract,
    ::testing::Values(TargetMaker{"InMemory", [] { return std::make_unique<InMemory>(); }},
                      TargetMaker{"PlainC", [] { return std::make_unique<PlainC>(); }}),
    kelvd::test::TargetName);

} // namespace
