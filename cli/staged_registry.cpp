#include "cli/staged_registry.h"

#include "cli/command_error.h"
#include "platform/multibyte.h"

#include <algorithm>
#include <cstring>

namespace kelvcfg {

namespace reg = platform::reg;

namespace {

std::string Join(const std::string& path, const char* subKey) {
    if (!subKey || !*subKey)
        return path;
    return path.empty() ? subKey : path + "\\" + subKey;
}

std::string ValueKey(const std::string& path, const char* name) {
    return path + '\0' + (name ? name : "");
}

// Answers a query from value data as RegQueryValueExA does.
int32_t Answer(uint32_t storedType, const std::string& stored, uint32_t* type, uint8_t* data,
               uint32_t* size) {
    const uint32_t length = static_cast<uint32_t>(stored.size());
    if (type)
        *type = storedType;
    if (data && (!size || *size < length)) {
        if (size)
            *size = length;
        return reg::kMoreData;
    }
    if (data)
        std::memcpy(data, stored.data(), length);
    if (size)
        *size = length;
    return reg::kSuccess;
}

} // namespace

bool StagedRegistry::NoCase::operator()(const std::string& a, const std::string& b) const {
    // Compared piece by piece, so that the 0 byte between a key and a value name counts.
    const size_t aBreak = a.find('\0'), bBreak = b.find('\0');
    const int keys = platform::MbsICmp(a.substr(0, aBreak).c_str(), b.substr(0, bBreak).c_str());
    if (keys != 0 || aBreak == std::string::npos || bBreak == std::string::npos)
        return keys != 0 ? keys < 0 : aBreak < bBreak;
    return platform::MbsICmp(a.c_str() + aBreak + 1, b.c_str() + bBreak + 1) < 0;
}

bool StagedRegistry::Exists(const std::string& path) const {
    if (path.empty() || created_.count(path))
        return true;
    platform::RegKey key = 0;
    if (base_.OpenKey(platform::kLocalMachine, path.c_str(), reg::kRead, &key) != reg::kSuccess)
        return false;
    base_.CloseKey(key);
    return true;
}

int32_t StagedRegistry::Open(platform::RegKey parent, const char* subKey, bool create,
                             platform::RegKey* key) {
    std::string path;
    if (parent != platform::kLocalMachine) {
        auto found = keys_.find(parent);
        if (found == keys_.end())
            return reg::kInvalidHandle;
        path = found->second;
    }
    path = Join(path, subKey);
    if (!Exists(path)) {
        if (!create)
            return reg::kFileNotFound;
        created_.insert(path);
    }
    *key = nextKey_++;
    keys_[*key] = path;
    return reg::kSuccess;
}

int32_t StagedRegistry::OpenKey(platform::RegKey parent, const char* subKey, uint32_t,
                                platform::RegKey* key) {
    return Open(parent, subKey, false, key);
}

int32_t StagedRegistry::CreateKey(platform::RegKey parent, const char* subKey, uint32_t,
                                  platform::RegKey* key) {
    return Open(parent, subKey, true, key);
}

const std::optional<StagedRegistry::Value>* StagedRegistry::Staged(const std::string& path,
                                                                   const char* name) const {
    auto found = values_.find(ValueKey(path, name));
    return found == values_.end() ? nullptr : &found->second;
}

int32_t StagedRegistry::QueryBase(const std::string& path, const char* name, uint32_t* type,
                                  uint8_t* data, uint32_t* size) const {
    platform::RegKey key = 0;
    int32_t result = base_.OpenKey(platform::kLocalMachine, path.c_str(), reg::kRead, &key);
    if (result != reg::kSuccess)
        return reg::kFileNotFound;
    result = base_.QueryValue(key, name, type, data, size);
    base_.CloseKey(key);
    return result;
}

int32_t StagedRegistry::QueryValue(platform::RegKey key, const char* name, uint32_t* type,
                                   uint8_t* data, uint32_t* size) {
    auto found = keys_.find(key);
    if (found == keys_.end())
        return reg::kInvalidHandle;
    if (const std::optional<Value>* staged = Staged(found->second, name))
        return *staged ? Answer((*staged)->type, (*staged)->data, type, data, size)
                       : reg::kFileNotFound;
    return QueryBase(found->second, name, type, data, size);
}

int32_t StagedRegistry::SetValue(platform::RegKey key, const char* name, uint32_t type,
                                 const uint8_t* data, uint32_t size) {
    auto found = keys_.find(key);
    if (found == keys_.end())
        return reg::kInvalidHandle;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    values_[ValueKey(found->second, name)] = Value{type, bytes};
    journal_.Add({JournalEntry::Kind::RegistryValue, found->second, name ? name : "", type, bytes});
    return reg::kSuccess;
}

int32_t StagedRegistry::DeleteValue(platform::RegKey key, const char* name) {
    auto found = keys_.find(key);
    if (found == keys_.end())
        return reg::kInvalidHandle;
    if (QueryValue(key, name, nullptr, nullptr, nullptr) != reg::kSuccess)
        return reg::kFileNotFound;
    values_[ValueKey(found->second, name)] = std::nullopt;
    journal_.Add(
        {JournalEntry::Kind::RegistryDeletion, found->second, name ? name : "", 0, std::string()});
    return reg::kSuccess;
}

int32_t StagedRegistry::EnumKey(platform::RegKey key, uint32_t index, char* name,
                                uint32_t* nameSize) {
    auto found = keys_.find(key);
    if (found == keys_.end())
        return reg::kInvalidHandle;
    platform::RegKey opened = 0;
    if (base_.OpenKey(platform::kLocalMachine, found->second.c_str(), reg::kRead, &opened) !=
        reg::kSuccess)
        return reg::kNoMoreItems;
    int32_t result = base_.EnumKey(opened, index, name, nameSize);
    base_.CloseKey(opened);
    return result;
}

int32_t StagedRegistry::DeleteKey(platform::RegKey, const char*) {
    return reg::kAccessDenied;
}

int32_t StagedRegistry::CloseKey(platform::RegKey key) {
    return keys_.erase(key) ? reg::kSuccess : reg::kInvalidHandle;
}

void StagedRegistry::Commit(const Journal& journal) {
    using Kind = JournalEntry::Kind;
    for (const JournalEntry& entry : journal.entries()) {
        if (entry.kind != Kind::RegistryValue && entry.kind != Kind::RegistryDeletion)
            continue;
        platform::KeyHandle key;
        int32_t result = reg::kAccessDenied;
        if (key.Create(platform::kLocalMachine, entry.where.c_str(), reg::kSetValue))
            result = entry.kind == Kind::RegistryValue
                         ? platform::registry().SetValue(
                               key.get(), entry.name.c_str(), entry.type,
                               reinterpret_cast<const uint8_t*>(entry.data.data()),
                               static_cast<uint32_t>(entry.data.size()))
                         : platform::registry().DeleteValue(key.get(), entry.name.c_str());
        if (result != reg::kSuccess &&
            !(entry.kind == Kind::RegistryDeletion && result == reg::kFileNotFound))
            throw CommandError(kUnwritable, "cannot write HKLM\\" + entry.where + "\\" +
                                                entry.name + " (error " + std::to_string(result) +
                                                ")");
    }
}

} // namespace kelvcfg
