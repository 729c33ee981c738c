#include "cli/hive_target.h"

#include "cli/hive_value_cells.h"
#include "cli/unicode.h"
#include "platform/multibyte.h"
#include "platform/registry.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace kelvcfg {

HiveTarget* HiveTarget::current_ = nullptr;

namespace reg = platform::reg;

namespace {

constexpr const char* kHiveKey = "SYSTEM";
constexpr const char* kCurrentControlSet = "CurrentControlSet";
constexpr const char* kLibraryControlSet = "ControlSet001"; // where RunMode 3 keeps the checker

std::string Utf8Of(const KelvdTargetChar* text) {
    std::u16string units;
    for (; text && *text; ++text)
        units += static_cast<char16_t>(*text);
    return Utf8FromUtf16(units);
}

bool SameName(const std::string& a, const char* b) {
    return platform::MbsICmp(a.c_str(), b) == 0;
}

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = path.find('\\', start)) != std::string::npos; start = at + 1)
        if (at > start)
            parts.push_back(path.substr(start, at - start));
    if (start < path.size())
        parts.push_back(path.substr(start));
    return parts;
}

} // namespace

struct HiveTarget::Calls {
    static HiveTarget& Target() { return *current_; }

    static int32_t Open(KelvdTargetKey parent, const KelvdTargetChar* subKey, bool create,
                        KelvdTargetKey* key) {
        const std::string name = Utf8Of(subKey);
        if (!name.empty() && name.front() == '\\')
            return reg::kBadPathname; // as the registry refuses a path that begins with one
        std::string path;
        hive_node_h node = Target().Walk(parent, name, create, &path);
        if (!node)
            return create ? reg::kAccessDenied : reg::kFileNotFound;
        return Target().Issue(node, path, key);
    }

    static int32_t KELVD_TARGET_API OpenKey(uint32_t, KelvdTargetKey parent,
                                            const KelvdTargetChar* subKey, uint32_t, uint32_t,
                                            KelvdTargetKey* key) {
        return Open(parent, subKey, false, key);
    }

    static int32_t KELVD_TARGET_API CreateKey(KelvdTargetKey parent, const KelvdTargetChar* subKey,
                                              KelvdTargetKey* key) {
        return Open(parent, subKey, true, key);
    }

    static int32_t KELVD_TARGET_API CreateKeyEx(KelvdTargetKey parent,
                                                const KelvdTargetChar* subKey, uint32_t,
                                                KelvdTargetChar*, uint32_t, uint32_t, void*,
                                                KelvdTargetKey* key, uint32_t* disposition) {
        if (disposition)
            *disposition = 0;
        return Open(parent, subKey, true, key);
    }

    static int32_t KELVD_TARGET_API SetValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                             uint32_t, uint32_t type, const uint8_t* data,
                                             uint32_t size) {
        Key* opened = Target().Find(key);
        if (!opened)
            return reg::kInvalidHandle;
        std::string utf8Name = Utf8Of(name);
        hive_set_value value{utf8Name.data(), static_cast<hive_type>(type), size,
                             const_cast<char*>(reinterpret_cast<const char*>(data))};
        if (!Target().SetValue(*opened, value))
            return reg::kAccessDenied;
        if (Target().journal_)
            Target().journal_->Add({JournalEntry::Kind::HiveValue, opened->path,
                                    ModelFromUtf8(utf8Name), type,
                                    std::string(reinterpret_cast<const char*>(data), size)});
        return reg::kSuccess;
    }

    static int32_t KELVD_TARGET_API QueryValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                               uint32_t*, uint32_t* type, uint8_t* data,
                                               uint32_t* size) {
        Key* opened = Target().Find(key);
        if (!opened)
            return reg::kInvalidHandle;
        hive_h* handle = Target().hive_.handle();
        hive_value_h value = hivex_node_get_value(handle, opened->node, Utf8Of(name).c_str());
        uint32_t stored = 0;
        size_t length = 0;
        if (!value)
            return reg::kFileNotFound;
        HivexPtr<char> bytes = HiveValueData(handle, value, &stored, &length);
        if (!bytes || length > UINT32_MAX)
            return reg::kFileNotFound;
        if (type)
            *type = stored;
        const bool fits = size && *size >= length;
        if (size)
            *size = static_cast<uint32_t>(length);
        if (!data)
            return reg::kSuccess;
        if (!fits)
            return reg::kMoreData;
        std::memcpy(data, bytes.get(), length);
        return reg::kSuccess;
    }

    static int32_t KELVD_TARGET_API EnumKey(KelvdTargetKey key, uint32_t index,
                                            KelvdTargetChar* name, uint32_t* nameLength, uint32_t*,
                                            KelvdTargetChar*, uint32_t*,
                                            KelvdTargetFileTime* lastWrite) {
        Key* opened = Target().Find(key);
        if (!opened)
            return reg::kInvalidHandle;
        const std::vector<std::u16string>& names = Target().subkeys_.Sorted(opened->node);
        if (index >= names.size())
            return reg::kNoMoreItems;
        const std::u16string& units = names[index];
        if (units.size() + 1 > *nameLength)
            return reg::kMoreData;
        std::copy(units.begin(), units.end(), name);
        name[units.size()] = 0;
        *nameLength = static_cast<uint32_t>(units.size());
        if (lastWrite)
            *lastWrite = KelvdTargetFileTime{0, 0};
        return reg::kSuccess;
    }

    static int32_t KELVD_TARGET_API CloseKey(KelvdTargetKey key) {
        return Target().keys_.erase(key) ? reg::kSuccess : reg::kInvalidHandle;
    }
};

HiveTarget::HiveTarget(Hive& hive, Journal* journal)
    : previous_(current_), hive_(hive), journal_(journal), subkeys_(hive.handle()) {
    // In slot order; the slots the library never calls stay empty.
    table_ = TargetRegistry{0x48495645, // "HIVE"
                            &Calls::OpenKey,   nullptr,
                            &Calls::CreateKey, &Calls::CreateKeyEx,
                            &Calls::SetValue,  &Calls::QueryValue,
                            nullptr,           &Calls::EnumKey,
                            nullptr,           nullptr,
                            &Calls::CloseKey};
    current_ = this;
}

HiveTarget::~HiveTarget() {
    current_ = previous_;
}

void HiveTarget::ThrowRefusal() const {
    if (refusal_)
        throw *refusal_;
}

void HiveTarget::Refuse(const std::string& change, bool damaged, const std::string& why) {
    if (refusal_)
        return;
    if (damaged)
        refusal_.emplace(kUnreadable, "hive " + hive_.path() + " is damaged: cannot " + change +
                                          " (" + why + ")");
    else
        refusal_.emplace(kUnwritable,
                         "cannot write hive " + hive_.path() + ": cannot " + change + ": " + why);
}

// libhivex refuses a change for want of memory, or for what it finds in the hive where the change
// is to be made: the hive is damaged there.
void HiveTarget::RefusedByHivex(const std::string& change, int error) {
    if (error == ENOMEM)
        Refuse(change, false, HivexReason(error));
    else
        Refuse(change, true, "libhivex: " + HivexReason(error));
}

bool HiveTarget::SetValue(const Key& key, const hive_set_value& value) {
    hive_h* handle = hive_.handle();
    const auto change = [&key, &value] { return "set " + key.path + "\\" + value.key; };
    if (!ownCells_.count(key.node) &&
        !ValueCellsDistinct(handle, key.node, hive_.FileValueList(key.node))) {
        Refuse(change(), true, "its values share their cells");
        return false;
    }
    errno = 0;
    if (hivex_node_set_value(handle, key.node, &value, 0) != 0) {
        RefusedByHivex(change(), errno);
        return false;
    }
    ownCells_.insert(key.node);
    return true;
}

hive_node_h HiveTarget::AddChild(hive_node_h key, const std::string& name,
                                 const std::string& path) {
    // libhivex places the new key by comparing its name with those of the subkeys there.
    if (!subkeys_.AllNamed(key)) {
        Refuse("make key " + path, true, "a subkey's name cannot be read");
        return 0;
    }
    errno = 0;
    const hive_node_h child = hivex_node_add_child(hive_.handle(), key, name.c_str());
    if (!child) {
        RefusedByHivex("make key " + path, errno);
        return 0;
    }
    hive_.Created(child);
    subkeys_.Added(key);
    ownCells_.insert(child);
    return child;
}

HiveTarget::Key* HiveTarget::Find(KelvdTargetKey key) {
    auto found = keys_.find(key);
    return found == keys_.end() ? nullptr : &found->second;
}

int32_t HiveTarget::Issue(hive_node_h node, std::string path, KelvdTargetKey* key) {
    *key = nextKey_++;
    keys_[*key] = Key{node, std::move(path)};
    return reg::kSuccess;
}

hive_node_h HiveTarget::Walk(KelvdTargetKey parent, const std::string& subKey, bool create,
                             std::string* path) {
    std::vector<std::string> parts = Components(subKey);
    hive_node_h node = 0;
    if (parent == KELVD_TARGET_ROOT) {
        // Only SYSTEM of HKEY_LOCAL_MACHINE is in the hive.
        if (parts.empty() || !SameName(parts.front(), kHiveKey))
            return 0;
        node = hive_.root();
        *path = parts.front();
        parts.erase(parts.begin());
    } else {
        auto found = keys_.find(parent);
        if (found == keys_.end())
            return 0;
        node = found->second.node;
        *path = found->second.path;
    }
    for (const std::string& part : parts) {
        // The library's control set, and the one the system runs, are the one worked on; no key
        // is made at the top of the hive, so no control set is ever made.
        const bool top = node == hive_.root();
        const bool controlSet =
            top && (SameName(part, kCurrentControlSet) || SameName(part, kLibraryControlSet));
        const std::string name = controlSet ? hive_.controlSet() : part;
        hive_node_h child = subkeys_.Find(node, name);
        *path += "\\" + ModelFromUtf8(controlSet ? name : part);
        if (!child && create && !top)
            child = AddChild(node, name, *path);
        if (!child)
            return 0;
        node = child;
    }
    return node;
}

} // namespace kelvcfg
