// The configuration file reader (".kwt", and KELVDVXD.CFG on Windows 9x) over arbitrary bytes.
// The first byte chooses the platform; the rest is the file.
#include "fuzz/fuzz_support.h"
#include "stores/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvd::fuzz;
    World& world = TheWorld();
    Input input(data, size);
    ResetModel(input.Byte() & 1);
    world.files.files.clear();
    world.files.files["C:\\fuzz.kwt"] = input.Rest();
    kelvd::LoadConfigFile("C:\\fuzz.kwt");
    CheckModel();
    return 0;
}
