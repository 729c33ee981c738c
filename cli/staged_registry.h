// The registry as a command sees it: reads come from the registry under it, with what the command
// wrote so far laid over them; writes go into the journal only.
#pragma once

#include "cli/journal.h"
#include "cli/undo.h"
#include "platform/registry.h"

#include <map>
#include <optional>
#include <set>
#include <string>

namespace kelvcfg {

class StagedRegistry final : public platform::Registry {
public:
    StagedRegistry(platform::Registry& base, Journal& journal) : base_(base), journal_(journal) {}

    int32_t OpenKey(platform::RegKey parent, const char* subKey, uint32_t access,
                    platform::RegKey* key) override;
    int32_t CreateKey(platform::RegKey parent, const char* subKey, uint32_t access,
                      platform::RegKey* key) override;
    int32_t QueryValue(platform::RegKey key, const char* name, uint32_t* type, uint8_t* data,
                       uint32_t* size) override;
    int32_t SetValue(platform::RegKey key, const char* name, uint32_t type, const uint8_t* data,
                     uint32_t size) override;
    int32_t DeleteValue(platform::RegKey key, const char* name) override;
    int32_t EnumKey(platform::RegKey key, uint32_t index, char* name, uint32_t* nameSize) override;
    // Keys are never removed while staging.
    int32_t DeleteKey(platform::RegKey parent, const char* subKey) override;
    int32_t CloseKey(platform::RegKey key) override;

    // Throws a CommandError naming the first key of the journal's registry entries that is
    // there but cannot be opened for writing.
    static void CheckWritable(const Journal& journal);
    // Carries out the journal's registry entries on the registry under this one, entering in undo
    // how to give each value its old data or absence; the first that fails ends it and throws a
    // CommandError naming it.
    static void Commit(const Journal& journal, Undo& undo);

private:
    // Names compare as the registry compares them: ignoring case.
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Value {
        uint32_t type;
        std::string data;
    };

    bool Exists(const std::string& path) const;
    // The value as staged (an empty optional: deleted), or nothing when it was not touched.
    const std::optional<Value>* Staged(const std::string& path, const char* name) const;
    int32_t Open(platform::RegKey parent, const char* subKey, bool create, platform::RegKey* key);
    // Reads a value of the base registry.
    int32_t QueryBase(const std::string& path, const char* name, uint32_t* type, uint8_t* data,
                      uint32_t* size) const;

    platform::Registry& base_;
    Journal& journal_;
    std::map<platform::RegKey, std::string> keys_; // open handles and their paths
    platform::RegKey nextKey_ = 0x10000;
    std::set<std::string, NoCase> created_;
    std::map<std::string, std::optional<Value>, NoCase> values_; // by "path\name"
};

} // namespace kelvcfg
