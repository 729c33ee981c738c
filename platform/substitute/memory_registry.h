// A registry held in memory: a tree under HKEY_LOCAL_MACHINE that answers every call as the
// Win32 registry does (case-insensitive, case-preserving names; subkeys enumerated in
// case-insensitive order; access rights of the handle checked; ERROR_MORE_DATA with the size
// needed). It is the Linux substitute's registry, and the store behind in-memory embedded
// targets.
#pragma once

#include "platform/registry.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class MemoryRegistry final : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;

    int32_t OpenKey(RegKey parent, const char* subKey, uint32_t access, RegKey* key) override;
    int32_t CreateKey(RegKey parent, const char* subKey, uint32_t access, RegKey* key) override;
    int32_t QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                       uint32_t* size) override;
    int32_t SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                     uint32_t size) override;
    int32_t DeleteValue(RegKey key, const char* name) override;
    int32_t EnumKey(RegKey key, uint32_t index, char* name, uint32_t* nameSize) override;
    int32_t DeleteKey(RegKey parent, const char* subKey) override;
    int32_t CloseKey(RegKey key) override;

    // RegEnumValueA for the index-th value of a key opened with kQueryValue, values in the order
    // they were first set: its name, type and data; kNoMoreItems past the last.
    int32_t EnumValue(RegKey key, uint32_t index, std::string* name, uint32_t* type,
                      std::vector<uint8_t>* data) const;

    // Makes a key (path below HKEY_LOCAL_MACHINE) refuse every access that could change it, as
    // a key whose security allows the caller to read only.
    void SetReadOnly(const char* path, bool readOnly);
    // Handles open now, the predefined root not counted.
    size_t OpenHandleCount() const { return handles_.size() - 1; }

private:
    struct Node;
    struct Handle {
        std::shared_ptr<Node> node;
        uint32_t access;
    };

    // The node behind an open handle that holds right; kSetValue also needs a changeable key.
    int32_t Reach(RegKey key, uint32_t right, Node** node) const;
    int32_t Walk(RegKey parent, const char* subKey, bool create, uint32_t access, RegKey* key);
    RegKey Issue(std::shared_ptr<Node> node, uint32_t access);

    std::shared_ptr<Node> root_;
    std::map<RegKey, Handle> handles_;
    RegKey nextHandle_ = 0x1000;
};

} // namespace platform
