// kelvcfg's hive-backed target over a hive file whose every byte comes from the input: opening it,
// the embedded target's inventory and settings reader through it, the settings writer, and the
// commit of the changed hive. A damaged file gives an error (a CommandError), never a crash, and
// the model keeps its invariants.
#include "cli/command_error.h"
#include "cli/hive.h"
#include "cli/hive_target.h"
#include "fuzz/fuzz_support.h"
#include "target/target_drivers.h"
#include "target/target_store.h"

#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvd::fuzz;
    World& world = TheWorld();
    static const std::string path = "/tmp/kelvd-hive-fuzz-" + std::to_string(::getpid());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        std::unique_ptr<kelvcfg::Hive> hive =
            kelvcfg::Hive::Open(path, kelvcfg::Hive::Mode::Change);
        kelvcfg::HiveTarget target(*hive, nullptr);
        ResetModel(false);
        kelvd::EnumerateTargetDrivers(*target.table());
        CheckModel();
        kelvd::LoadFromTarget(*target.table());
        CheckModel();
        kelvd::SaveToTarget(*target.table(), world.settings);
        FUZZ_CHECK(target.OpenKeyCount() == 0);
        target.ThrowRefusal();
        hive->Commit();
    } catch (const kelvcfg::CommandError& error) {
        FUZZ_CHECK(error.code() == kelvcfg::kUnreadable || error.code() == kelvcfg::kUnwritable);
    }
    return 0;
}
