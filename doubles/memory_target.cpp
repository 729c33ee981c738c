#include "doubles/memory_target.h"

#include "platform/code_page.h"

#include <algorithm>
#include <cstring>

namespace kelvd {

MemoryTarget* MemoryTarget::current_ = nullptr;

namespace {

// A name as the target's registry keeps it: in the system's ANSI code page, as the in-memory
// registry's narrow names are.
std::string NameOf(const KelvdTargetChar* name) {
    std::u16string units;
    for (; name && *name; ++name)
        units += static_cast<char16_t>(*name);
    return platform::AnsiFromUtf16(units);
}

} // namespace

// The table's functions: names are converted between UTF-16 and the ANSI code page and the calls
// passed to the current target's registry, which answers with Win32's result codes.
struct MemoryTarget::Calls {
    static platform::MemoryRegistry& Registry() { return current_->registry_; }

    static int32_t KELVD_TARGET_API OpenKey(uint32_t, KelvdTargetKey parent,
                                            const KelvdTargetChar* subKey, uint32_t,
                                            uint32_t access, KelvdTargetKey* key) {
        platform::RegKey opened = 0;
        // Like the targets' own registry servers, every key opened may read its values, so a
        // key opened for writing can still tell what it holds.
        int32_t result = Registry().OpenKey(parent, NameOf(subKey).c_str(),
                                            access | platform::reg::kQueryValue, &opened);
        *key = static_cast<KelvdTargetKey>(opened);
        return result;
    }

    static int32_t KELVD_TARGET_API CreateKey(KelvdTargetKey parent, const KelvdTargetChar* subKey,
                                              KelvdTargetKey* key) {
        platform::RegKey opened = 0;
        int32_t result = Registry().CreateKey(parent, NameOf(subKey).c_str(),
                                              platform::reg::kAllAccess, &opened);
        *key = static_cast<KelvdTargetKey>(opened);
        return result;
    }

    static int32_t KELVD_TARGET_API CreateKeyEx(KelvdTargetKey parent,
                                                const KelvdTargetChar* subKey, uint32_t,
                                                KelvdTargetChar*, uint32_t, uint32_t access, void*,
                                                KelvdTargetKey* key, uint32_t* disposition) {
        platform::RegKey opened = 0;
        int32_t result = Registry().CreateKey(parent, NameOf(subKey).c_str(), access, &opened);
        *key = static_cast<KelvdTargetKey>(opened);
        if (disposition)
            *disposition = 0;
        return result;
    }

    static int32_t KELVD_TARGET_API SetValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                             uint32_t, uint32_t type, const uint8_t* data,
                                             uint32_t size) {
        return Registry().SetValue(key, NameOf(name).c_str(), type, data, size);
    }

    static int32_t KELVD_TARGET_API QueryValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                               uint32_t*, uint32_t* type, uint8_t* data,
                                               uint32_t* size) {
        return Registry().QueryValue(key, NameOf(name).c_str(), type, data, size);
    }

    static int32_t KELVD_TARGET_API EnumKey(KelvdTargetKey key, uint32_t index,
                                            KelvdTargetChar* name, uint32_t* nameLength, uint32_t*,
                                            KelvdTargetChar*, uint32_t*,
                                            KelvdTargetFileTime* lastWrite) {
        char narrow[256];
        uint32_t length = std::min<uint32_t>(*nameLength, sizeof narrow);
        int32_t result = Registry().EnumKey(key, index, narrow, &length);
        if (result != platform::reg::kSuccess)
            return result;
        const std::u16string wide = platform::Utf16FromAnsi(std::string(narrow, length));
        std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, name);
        *nameLength = static_cast<uint32_t>(wide.size());
        if (lastWrite)
            *lastWrite = KelvdTargetFileTime{0, 0};
        return result;
    }

    static int32_t KELVD_TARGET_API CloseKey(KelvdTargetKey key) {
        return Registry().CloseKey(key);
    }
};

MemoryTarget::MemoryTarget() : previous_(current_) {
    table_ = TargetRegistry{};
    table_.context = 0x4B454C56; // "KELV"
    table_.OpenKey = &Calls::OpenKey;
    table_.CreateKey = &Calls::CreateKey;
    table_.CreateKeyEx = &Calls::CreateKeyEx;
    table_.SetValue = &Calls::SetValue;
    table_.QueryValue = &Calls::QueryValue;
    table_.EnumKey = &Calls::EnumKey;
    table_.CloseKey = &Calls::CloseKey;
    current_ = this;
}

MemoryTarget::~MemoryTarget() {
    current_ = previous_;
}

} // namespace kelvd
