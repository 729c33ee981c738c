// The registry store's reader over a checker key filled from the input, and the state-list walk
// over the input itself. The input is a run of values: a byte choosing the name, a byte for the
// type, a 16-bit length and that many bytes of data.
#include "fuzz/fuzz_support.h"
#include "model/config_model.h"
#include "platform/registry.h"
#include "stores/registry_store.h"
#include "stores/state_list.h"

namespace {

// The names the reader looks for, and a category's.
const char* const kNames[] = {
    "MemUsage", "StackThreshold",          "DRPopup",    "Start", "NumGuardBytes", "MemTrackingOn",
    "Driver",   "InstalledDisplayDrivers", "UserDriver", "Memory"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvd::fuzz;
    World& world = TheWorld();
    for (const kelvd::StateEntry& entry : kelvd::DecodeStateList(data, size))
        FUZZ_CHECK(entry.name >= reinterpret_cast<const char*>(data) &&
                   entry.name < reinterpret_cast<const char*>(data + size));

    ResetModel(false);
    platform::DeleteKeyTree(platform::kLocalMachine, kelvd::kServiceKey);
    platform::KeyHandle key;
    key.Create(platform::kLocalMachine, kelvd::kServiceKey, platform::reg::kAllAccess);
    for (Input input(data, size); !input.empty();) {
        const char* name = kNames[input.Byte() % (sizeof kNames / sizeof *kNames)];
        const uint32_t type = input.Byte() % 8;
        const uint32_t length = input.Byte() | input.Byte() << 8;
        const std::string bytes = input.Bytes(length);
        platform::registry().SetValue(key.get(), name, type,
                                      reinterpret_cast<const uint8_t*>(bytes.data()),
                                      static_cast<uint32_t>(bytes.size()));
    }
    key.Close();
    kelvd::LoadFromRegistry();
    CheckModel();
    return 0;
}
