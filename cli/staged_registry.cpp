#include "cli/staged_registry.h"

#include "cli/command_error.h"
#include "platform/multibyte.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>

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

bool IsRegistryEntry(const JournalEntry& entry) {
    return entry.kind == JournalEntry::Kind::RegistryValue ||
           entry.kind == JournalEntry::Kind::RegistryDeletion;
}

// The first key of path, from the top, that is not there: the one that creating path makes with
// every key below it; empty when path is there (or cannot be told apart from being there).
std::string FirstMissingKey(const std::string& path) {
    for (size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        const std::string key = path.substr(0, end);
        platform::RegKey opened = 0;
        const int32_t result =
            platform::registry().OpenKey(platform::kLocalMachine, key.c_str(), reg::kRead, &opened);
        if (result == reg::kFileNotFound)
            return key;
        if (result == reg::kSuccess)
            platform::registry().CloseKey(opened);
        if (end == std::string::npos)
            return std::string();
    }
}

// A value's type and data as the registry holds them.
struct StoredValue {
    uint32_t type;
    std::string data;
};

// The value name of key into *out, none when it is not there; false when it is there but
// cannot be read.
bool ReadValue(platform::RegKey key, const std::string& name, std::optional<StoredValue>* out) {
    StoredValue value{0, {}};
    uint32_t size = 0;
    int32_t result =
        platform::registry().QueryValue(key, name.c_str(), &value.type, nullptr, &size);
    if (result == reg::kFileNotFound) {
        out->reset();
        return true;
    }
    value.data.resize(size);
    if (result == reg::kSuccess && size)
        result = platform::registry().QueryValue(key, name.c_str(), &value.type,
                                                 reinterpret_cast<uint8_t*>(&value.data[0]), &size);
    value.data.resize(size);
    *out = value;
    return result == reg::kSuccess;
}

// Gives the value name of key the data of value, or removes it when value is none (a value that
// is not there is removed already).
int32_t WriteValue(platform::RegKey key, const std::string& name,
                   const std::optional<StoredValue>& value) {
    if (value)
        return platform::registry().SetValue(key, name.c_str(), value->type,
                                             reinterpret_cast<const uint8_t*>(value->data.data()),
                                             static_cast<uint32_t>(value->data.size()));
    const int32_t result = platform::registry().DeleteValue(key, name.c_str());
    return result == reg::kFileNotFound ? reg::kSuccess : result;
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

void StagedRegistry::CheckWritable(const Journal& journal) {
    for (const JournalEntry& entry : journal.entries()) {
        if (!IsRegistryEntry(entry))
            continue;
        platform::RegKey key = 0;
        const int32_t result = platform::registry().OpenKey(
            platform::kLocalMachine, entry.where.c_str(), reg::kSetValue | reg::kQueryValue, &key);
        if (result == reg::kSuccess)
            platform::registry().CloseKey(key);
        else if (result != reg::kFileNotFound)
            throw CommandError(kUnwritable, "cannot write HKLM\\" + entry.where + " (error " +
                                                std::to_string(result) + ")");
    }
}

void StagedRegistry::Commit(const Journal& journal, Undo& undo) {
    std::set<std::string> seen;
    for (const JournalEntry& entry : journal.entries()) {
        if (!IsRegistryEntry(entry))
            continue;
        // A key is made by its first value, so only that one asks which of its keys are missing.
        const std::string made =
            seen.insert(entry.where).second ? FirstMissingKey(entry.where) : std::string();
        platform::KeyHandle key;
        int32_t result = reg::kAccessDenied;
        if (key.Create(platform::kLocalMachine, entry.where.c_str(),
                       reg::kSetValue | reg::kQueryValue)) {
            if (!made.empty())
                undo.Add("HKLM\\" + made, [made] {
                    return platform::DeleteKeyTree(platform::kLocalMachine, made.c_str()) ==
                           reg::kSuccess;
                });
            std::optional<StoredValue> old;
            if (!ReadValue(key.get(), entry.name, &old))
                throw CommandError(kUnwritable, "cannot write HKLM\\" + entry.where + "\\" +
                                                    entry.name +
                                                    ": its old data cannot be read to keep");
            result = WriteValue(key.get(), entry.name,
                                entry.kind == JournalEntry::Kind::RegistryValue
                                    ? std::optional<StoredValue>({entry.type, entry.data})
                                    : std::nullopt);
            if (result == reg::kSuccess)
                undo.Add("HKLM\\" + entry.where + "\\" + entry.name, [where = entry.where,
                                                                      name = entry.name, old] {
                    platform::KeyHandle again;
                    return again.Open(platform::kLocalMachine, where.c_str(), reg::kSetValue) &&
                           WriteValue(again.get(), name, old) == reg::kSuccess;
                });
        }
        if (result != reg::kSuccess)
            throw CommandError(kUnwritable, "cannot write HKLM\\" + entry.where + "\\" +
                                                entry.name + " (error " + std::to_string(result) +
                                                ")");
    }
}

} // namespace kelvcfg
