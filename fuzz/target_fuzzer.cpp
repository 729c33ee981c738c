// The embedded target's inventory and settings reader against a target whose every answer comes
// from the input: statuses, key names (with or without terminators, longer than the buffer),
// value types, data, and sizes that may be larger than the buffer they describe. A call that
// finds the input used up fails, so every walk ends.
#include "fuzz/fuzz_support.h"
#include "target/target_drivers.h"
#include "target/target_store.h"

#include <algorithm>
#include <cstring>

namespace {

using kelvd::fuzz::Input;

Input* answers = nullptr;
KelvdTargetKey nextKey = 0x100;

int32_t KELVD_TARGET_API OpenKey(uint32_t, KelvdTargetKey, const KelvdTargetChar*, uint32_t,
                                 uint32_t, KelvdTargetKey* key) {
    if (answers->empty() || answers->Byte() % 4 == 0)
        return 2;
    *key = nextKey++;
    return 0;
}

int32_t KELVD_TARGET_API CreateKey(KelvdTargetKey, const KelvdTargetChar*, KelvdTargetKey* key) {
    *key = nextKey++;
    return 0;
}

int32_t KELVD_TARGET_API CreateKeyEx(KelvdTargetKey, const KelvdTargetChar*, uint32_t,
                                     KelvdTargetChar*, uint32_t, uint32_t, void*,
                                     KelvdTargetKey* key, uint32_t*) {
    *key = nextKey++;
    return 0;
}

int32_t KELVD_TARGET_API SetValue(KelvdTargetKey, const KelvdTargetChar*, uint32_t, uint32_t,
                                  const uint8_t*, uint32_t) {
    return 0;
}

// Writes at most the buffer's size, as any host must, but may report any size at all.
int32_t KELVD_TARGET_API QueryValue(KelvdTargetKey, const KelvdTargetChar*, uint32_t*,
                                    uint32_t* type, uint8_t* data, uint32_t* size) {
    if (answers->empty())
        return 2;
    const uint8_t mode = answers->Byte();
    if (type)
        *type = answers->Byte() % 8;
    const uint32_t reported = mode & 0x80 ? answers->Word32() : answers->Byte();
    switch (mode % 3) {
    case 0:
        return 2; // no such value
    case 1:
        *size = reported;
        return 234; // more data
    default: {
        const std::string bytes = answers->Bytes(std::min<uint32_t>(reported, data ? *size : 0));
        if (data)
            std::memcpy(data, bytes.data(), bytes.size());
        *size = reported;
        return 0;
    }
    }
}

// Names of any length up to the buffer, terminated only when the input says so and there is room.
int32_t KELVD_TARGET_API EnumKey(KelvdTargetKey, uint32_t, KelvdTargetChar* name,
                                 uint32_t* nameLength, uint32_t*, KelvdTargetChar*, uint32_t*,
                                 KelvdTargetFileTime*) {
    if (answers->empty())
        return 259;
    const uint8_t mode = answers->Byte();
    if (mode % 16 == 0)
        return 259;
    const uint32_t length = answers->Byte();
    const uint32_t written = std::min(length, *nameLength);
    for (uint32_t i = 0; i < written; ++i)
        name[i] = static_cast<KelvdTargetChar>('A' + answers->Byte() % 26);
    if ((mode & 1) && written < *nameLength)
        name[written] = 0;
    *nameLength = mode & 2 ? length : written;
    return 0;
}

int32_t KELVD_TARGET_API CloseKey(KelvdTargetKey) {
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvd::fuzz;
    World& world = TheWorld();
    Input input(data, size);
    answers = &input;
    TargetRegistry table{};
    table.OpenKey = OpenKey;
    table.CreateKey = CreateKey;
    table.CreateKeyEx = CreateKeyEx;
    table.SetValue = SetValue;
    table.QueryValue = QueryValue;
    table.EnumKey = EnumKey;
    table.CloseKey = CloseKey;

    ResetModel(false);
    kelvd::EnumerateTargetDrivers(table);
    CheckModel();
    kelvd::LoadFromTarget(table);
    CheckModel();
    answers = nullptr;
    return 0;
}
