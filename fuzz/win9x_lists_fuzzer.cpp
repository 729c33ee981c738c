// The Windows 9x walks of the checker's module list and of the VxD chain over a system memory
// image made from the input: the two list heads the checker device reports, then pieces of
// memory (a 32-bit address, a 16-bit length and the bytes).
#include "drivers/checker_device.h"
#include "drivers/checker_modules.h"
#include "drivers/loaded_vxds.h"
#include "fuzz/fuzz_support.h"
#include "platform/substitute/simulated_devices.h"
#include "platform/substitute/sparse_memory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvd::fuzz;
    TheWorld();
    Input input(data, size);
    const uint32_t moduleHead = input.Word32();
    const uint32_t vxdHead = input.Word32();
    platform::SparseMemory memory;
    while (!input.empty()) {
        const uint32_t address = input.Word32();
        const uint32_t length = input.Byte() | input.Byte() << 8;
        const std::string bytes = input.Bytes(length);
        memory.Lay(address, bytes.data(), bytes.size());
    }
    platform::SimulatedDevices devices;
    devices.Add("\\\\.\\KELVD", {{kelvd::kGetModuleListHeadCode, moduleHead},
                                 {kelvd::kGetVxdChainHeadCode, vxdHead}});
    platform::ScopedDeviceIo devicesScope(devices);
    platform::ScopedSystemMemory memoryScope(memory);

    ResetModel(true);
    FUZZ_CHECK(kelvd::OpenCheckerDevice("KELVD"));
    kelvd::EnumerateCheckerModules();
    kelvd::EnumerateLoadedVxds();
    kelvd::CloseCheckerDevice();
    CheckModel();
    return 0;
}
