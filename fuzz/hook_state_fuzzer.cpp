// The hook-state file reader over arbitrary bytes. The first byte chooses the platform (odd:
// Windows 9x, whose file also covers the VxD categories); the rest is the file.
#include "fuzz/fuzz_support.h"
#include "stores/hook_state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvd::fuzz;
    World& world = TheWorld();
    Input input(data, size);
    const bool win9x = input.Byte() & 1;
    ResetModel(win9x);
    world.files.files.clear();
    world.files.files[std::string(kSuiteDir) + (win9x ? "\\hookstate9x.dat" : "\\hookstate.dat")] =
        input.Rest();
    kelvd::LoadHookState();
    CheckModel();
    FUZZ_CHECK(kelvd::hookStateMap().Count() == 0);
    return 0;
}
