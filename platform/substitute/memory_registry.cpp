#include "platform/substitute/memory_registry.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

constexpr int32_t kInvalidParameter = 87;
constexpr int32_t kKeyDeleted = 1018;
constexpr uint32_t kChangeRights = reg::kSetValue | reg::kCreateSubKey | 0x00010000 /*DELETE*/ |
                                   0x00040000 /*WRITE_DAC*/ | 0x00080000 /*WRITE_OWNER*/;

// Registry names compare without regard to the case of their ASCII letters.
std::string Fold(const std::string& name) {
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - ('a' - 'A'));
    return folded;
}

// The keys of a path below its parent. As in the registry, empty components (two backslashes in
// a row, one at the end) are passed over; a path that begins with one is refused (IsBadPath).
std::vector<std::string> SplitPath(const char* path) {
    std::vector<std::string> parts;
    std::string part;
    for (const char* p = path ? path : ""; *p; ++p) {
        if (*p != '\\') {
            part += *p;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

bool IsBadPath(const char* path) {
    return path && *path == '\\';
}

} // namespace

struct MemoryRegistry::Node {
    struct Value {
        std::string name;
        uint32_t type;
        std::vector<uint8_t> data;
    };
    std::string name;
    bool deleted = false;
    bool readOnly = false;
    std::vector<Value> values;
    std::map<std::string, std::shared_ptr<Node>> subkeys; // by folded name: enumeration order

    Value* FindValue(const char* valueName) {
        std::string folded = Fold(valueName ? valueName : "");
        auto it = std::find_if(values.begin(), values.end(),
                               [&](const Value& v) { return Fold(v.name) == folded; });
        return it == values.end() ? nullptr : &*it;
    }
};

MemoryRegistry::MemoryRegistry() : root_(std::make_shared<Node>()) {
    handles_[kLocalMachine] = Handle{root_, reg::kAllAccess};
}
MemoryRegistry::~MemoryRegistry() = default;

int32_t MemoryRegistry::Reach(RegKey key, uint32_t right, Node** node) const {
    auto it = handles_.find(key);
    if (it == handles_.end())
        return reg::kInvalidHandle;
    const Handle& handle = it->second;
    if (handle.node->deleted)
        return kKeyDeleted;
    if ((handle.access & right) != right || (right == reg::kSetValue && handle.node->readOnly))
        return reg::kAccessDenied;
    *node = handle.node.get();
    return reg::kSuccess;
}

RegKey MemoryRegistry::Issue(std::shared_ptr<Node> node, uint32_t access) {
    RegKey key = nextHandle_++;
    handles_[key] = Handle{std::move(node), access};
    return key;
}

int32_t MemoryRegistry::Walk(RegKey parent, const char* subKey, bool create, uint32_t access,
                             RegKey* key) {
    *key = 0;
    Node* from;
    if (int32_t result = Reach(parent, 0, &from); result != reg::kSuccess)
        return result;
    if (IsBadPath(subKey))
        return reg::kBadPathname;
    std::shared_ptr<Node> node = handles_.at(parent).node;
    for (const std::string& part : SplitPath(subKey)) {
        auto it = node->subkeys.find(Fold(part));
        if (it != node->subkeys.end()) {
            node = it->second;
            continue;
        }
        if (!create)
            return reg::kFileNotFound;
        if (node->readOnly)
            return reg::kAccessDenied;
        auto child = std::make_shared<Node>();
        child->name = part;
        node->subkeys[Fold(part)] = child;
        node = child;
    }
    if (node->readOnly && (access & kChangeRights))
        return reg::kAccessDenied;
    *key = Issue(node, access);
    return reg::kSuccess;
}

int32_t MemoryRegistry::OpenKey(RegKey parent, const char* subKey, uint32_t access, RegKey* key) {
    return Walk(parent, subKey, false, access, key);
}

int32_t MemoryRegistry::CreateKey(RegKey parent, const char* subKey, uint32_t access, RegKey* key) {
    return Walk(parent, subKey, true, access, key);
}

int32_t MemoryRegistry::QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                                   uint32_t* size) {
    Node* node;
    if (int32_t result = Reach(key, reg::kQueryValue, &node); result != reg::kSuccess)
        return result;
    if (data && !size)
        return kInvalidParameter;
    const Node::Value* value = node->FindValue(name);
    if (!value)
        return reg::kFileNotFound;
    if (type)
        *type = value->type;
    if (!size)
        return reg::kSuccess;
    uint32_t needed = static_cast<uint32_t>(value->data.size());
    uint32_t available = *size;
    *size = needed;
    if (!data)
        return reg::kSuccess;
    if (available < needed)
        return reg::kMoreData;
    std::copy(value->data.begin(), value->data.end(), data);
    return reg::kSuccess;
}

int32_t MemoryRegistry::SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                                 uint32_t size) {
    Node* node;
    if (int32_t result = Reach(key, reg::kSetValue, &node); result != reg::kSuccess)
        return result;
    if (!data && size)
        return kInvalidParameter;
    std::vector<uint8_t> bytes(data, data + size);
    if (Node::Value* existing = node->FindValue(name)) {
        existing->type = type;
        existing->data = std::move(bytes);
    } else {
        node->values.push_back({name ? name : "", type, std::move(bytes)});
    }
    return reg::kSuccess;
}

int32_t MemoryRegistry::DeleteValue(RegKey key, const char* name) {
    Node* node;
    if (int32_t result = Reach(key, reg::kSetValue, &node); result != reg::kSuccess)
        return result;
    Node::Value* value = node->FindValue(name);
    if (!value)
        return reg::kFileNotFound;
    auto& values = node->values;
    values.erase(values.begin() + (value - values.data()));
    return reg::kSuccess;
}

int32_t MemoryRegistry::EnumKey(RegKey key, uint32_t index, char* name, uint32_t* nameSize) {
    Node* node;
    if (int32_t result = Reach(key, reg::kEnumerateSubKeys, &node); result != reg::kSuccess)
        return result;
    const auto& subkeys = node->subkeys;
    if (index >= subkeys.size())
        return reg::kNoMoreItems;
    const std::string& found = std::next(subkeys.begin(), index)->second->name;
    if (found.size() + 1 > *nameSize)
        return reg::kMoreData;
    std::memcpy(name, found.c_str(), found.size() + 1);
    *nameSize = static_cast<uint32_t>(found.size());
    return reg::kSuccess;
}

int32_t MemoryRegistry::EnumValue(RegKey key, uint32_t index, std::string* name, uint32_t* type,
                                  std::vector<uint8_t>* data) const {
    Node* node;
    if (int32_t result = Reach(key, reg::kQueryValue, &node); result != reg::kSuccess)
        return result;
    if (index >= node->values.size())
        return reg::kNoMoreItems;
    const Node::Value& value = node->values[index];
    *name = value.name;
    *type = value.type;
    *data = value.data;
    return reg::kSuccess;
}

int32_t MemoryRegistry::DeleteKey(RegKey parent, const char* subKey) {
    if (IsBadPath(subKey))
        return reg::kBadPathname;
    std::vector<std::string> parts = SplitPath(subKey);
    if (parts.empty())
        return reg::kAccessDenied;
    std::string last = Fold(parts.back());
    parts.pop_back();
    std::string parentPath;
    for (const std::string& part : parts)
        parentPath += part + "\\";
    if (!parentPath.empty())
        parentPath.pop_back();
    RegKey holder;
    int32_t result = Walk(parent, parentPath.c_str(), false, reg::kRead, &holder);
    if (result != reg::kSuccess)
        return result;
    std::shared_ptr<Node> container = handles_[holder].node;
    CloseKey(holder);
    auto it = container->subkeys.find(last);
    if (it == container->subkeys.end())
        return reg::kFileNotFound;
    if (!it->second->subkeys.empty() || it->second->readOnly || container->readOnly)
        return reg::kAccessDenied;
    it->second->deleted = true;
    container->subkeys.erase(it);
    return reg::kSuccess;
}

int32_t MemoryRegistry::CloseKey(RegKey key) {
    if (key == kLocalMachine)
        return reg::kSuccess; // the root is predefined and never closes
    return handles_.erase(key) ? reg::kSuccess : reg::kInvalidHandle;
}

void MemoryRegistry::SetReadOnly(const char* path, bool readOnly) {
    RegKey key;
    if (Walk(kLocalMachine, path, true, reg::kRead, &key) != reg::kSuccess)
        return;
    handles_[key].node->readOnly = readOnly;
    CloseKey(key);
}

} // namespace platform
