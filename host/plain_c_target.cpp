#include "host/plain_c_target.h"

namespace kwhost {

namespace {

#ifdef _WIN32
#define KWHOST_PLAIN_C __cdecl
#else
#define KWHOST_PLAIN_C
#endif

const TargetRegistry* declared_ = nullptr;

int32_t KWHOST_PLAIN_C OpenKey(uint32_t context, KelvdTargetKey parent,
                               const KelvdTargetChar* subKey, uint32_t reserved, uint32_t access,
                               KelvdTargetKey* key) {
    return declared_->OpenKey(context, parent, subKey, reserved, access, key);
}

int32_t KWHOST_PLAIN_C CreateKey(KelvdTargetKey parent, const KelvdTargetChar* subKey,
                                 KelvdTargetKey* key) {
    return declared_->CreateKey(parent, subKey, key);
}

int32_t KWHOST_PLAIN_C CreateKeyEx(KelvdTargetKey parent, const KelvdTargetChar* subKey,
                                   uint32_t reserved, KelvdTargetChar* keyClass, uint32_t options,
                                   uint32_t access, void* security, KelvdTargetKey* key,
                                   uint32_t* disposition) {
    return declared_->CreateKeyEx(parent, subKey, reserved, keyClass, options, access, security,
                                  key, disposition);
}

int32_t KWHOST_PLAIN_C SetValue(KelvdTargetKey key, const KelvdTargetChar* name, uint32_t reserved,
                                uint32_t type, const uint8_t* data, uint32_t size) {
    return declared_->SetValue(key, name, reserved, type, data, size);
}

int32_t KWHOST_PLAIN_C QueryValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                  uint32_t* reserved, uint32_t* type, uint8_t* data,
                                  uint32_t* size) {
    return declared_->QueryValue(key, name, reserved, type, data, size);
}

int32_t KWHOST_PLAIN_C EnumKey(KelvdTargetKey key, uint32_t index, KelvdTargetChar* name,
                               uint32_t* nameLength, uint32_t* reserved, KelvdTargetChar* keyClass,
                               uint32_t* classLength, KelvdTargetFileTime* lastWrite) {
    return declared_->EnumKey(key, index, name, nameLength, reserved, keyClass, classLength,
                              lastWrite);
}

int32_t KWHOST_PLAIN_C CloseKey(KelvdTargetKey key) {
    return declared_->CloseKey(key);
}

// The slot's declared type for a function of another convention: what such a host's compiler
// lets it store there.
template <typename Slot, typename Function> Slot AsSlot(Function* function) {
    return reinterpret_cast<Slot>(reinterpret_cast<void*>(function));
}

} // namespace

TargetRegistry PlainCTable(const TargetRegistry& declared) {
    declared_ = &declared;
    TargetRegistry table{};
    table.context = declared.context;
    table.OpenKey = AsSlot<decltype(table.OpenKey)>(&OpenKey);
    table.CreateKey = AsSlot<decltype(table.CreateKey)>(&CreateKey);
    table.CreateKeyEx = AsSlot<decltype(table.CreateKeyEx)>(&CreateKeyEx);
    table.SetValue = AsSlot<decltype(table.SetValue)>(&SetValue);
    table.QueryValue = AsSlot<decltype(table.QueryValue)>(&QueryValue);
    table.EnumKey = AsSlot<decltype(table.EnumKey)>(&EnumKey);
    table.CloseKey = AsSlot<decltype(table.CloseKey)>(&CloseKey);
    return table;
}

} // namespace kwhost
