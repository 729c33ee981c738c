// The registry calls of advapi32, one for one.
#include "platform/registry.h"

#include "platform/win32/windows_support.h"

namespace platform {

static_assert(reg::kSuccess == ERROR_SUCCESS && reg::kFileNotFound == ERROR_FILE_NOT_FOUND &&
              reg::kAccessDenied == ERROR_ACCESS_DENIED &&
              reg::kInvalidHandle == ERROR_INVALID_HANDLE && reg::kMoreData == ERROR_MORE_DATA &&
              reg::kNoMoreItems == ERROR_NO_MORE_ITEMS && reg::kBadPathname == ERROR_BAD_PATHNAME);
static_assert(reg::kSz == REG_SZ && reg::kExpandSz == REG_EXPAND_SZ && reg::kBinary == REG_BINARY &&
              reg::kDword == REG_DWORD && reg::kMultiSz == REG_MULTI_SZ);
static_assert(reg::kRead == KEY_READ && reg::kWrite == KEY_WRITE &&
              reg::kAllAccess == KEY_ALL_ACCESS && reg::kSetValue == KEY_SET_VALUE);

namespace {

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

class Win32Registry final : public Registry {
public:
    int32_t OpenKey(RegKey parent, const char* subKey, uint32_t access, RegKey* key) override {
        HKEY opened = nullptr;
        LONG result = RegOpenKeyExA(ToHkey(parent), subKey, 0, access, &opened);
        *key = reinterpret_cast<RegKey>(opened);
        return result;
    }

    int32_t CreateKey(RegKey parent, const char* subKey, uint32_t access, RegKey* key) override {
        HKEY opened = nullptr;
        LONG result = RegCreateKeyExA(ToHkey(parent), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      access, nullptr, &opened, nullptr);
        *key = reinterpret_cast<RegKey>(opened);
        return result;
    }

    int32_t QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                       uint32_t* size) override {
        DWORD valueType = 0;
        DWORD valueSize = size ? *size : 0;
        LONG result = RegQueryValueExA(ToHkey(key), name, nullptr, &valueType, data,
                                       size ? &valueSize : nullptr);
        if (type)
            *type = valueType;
        if (size)
            *size = valueSize;
        return result;
    }

    int32_t SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                     uint32_t size) override {
        return RegSetValueExA(ToHkey(key), name, 0, type, data, size);
    }

    int32_t DeleteValue(RegKey key, const char* name) override {
        return RegDeleteValueA(ToHkey(key), name);
    }

    int32_t EnumKey(RegKey key, uint32_t index, char* name, uint32_t* nameSize) override {
        DWORD length = *nameSize;
        LONG result =
            RegEnumKeyExA(ToHkey(key), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        *nameSize = length;
        return result;
    }

    int32_t DeleteKey(RegKey parent, const char* subKey) override {
        return RegDeleteKeyA(ToHkey(parent), subKey);
    }

    int32_t CloseKey(RegKey key) override { return RegCloseKey(ToHkey(key)); }
};

} // namespace

Registry& nativeRegistry() {
    static Win32Registry instance;
    return instance;
}

} // namespace platform
