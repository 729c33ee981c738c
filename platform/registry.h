// The registry as the library uses it: keys under HKEY_LOCAL_MACHINE, narrow names, Win32's
// result codes and size rules. One implementation calls the real registry; the Linux
// substitute keeps an in-memory tree that behaves the same way.
#pragma once

#include "platform/override.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// An open key. The root is kLocalMachine; every other value comes from OpenKey or CreateKey.
using RegKey = std::uintptr_t;
constexpr RegKey kLocalMachine = 0x80000002;

// Result codes, value types and access rights, with the values Win32 gives them.
namespace reg {
constexpr int32_t kSuccess = 0;
constexpr int32_t kFileNotFound = 2;
constexpr int32_t kAccessDenied = 5;
constexpr int32_t kInvalidHandle = 6;
constexpr int32_t kBadPathname = 161; // a key path that begins with a backslash
constexpr int32_t kMoreData = 234;
constexpr int32_t kNoMoreItems = 259;

constexpr uint32_t kNone = 0;
constexpr uint32_t kSz = 1;
constexpr uint32_t kExpandSz = 2;
constexpr uint32_t kBinary = 3;
constexpr uint32_t kDword = 4;
constexpr uint32_t kMultiSz = 7;

constexpr uint32_t kQueryValue = 0x0001;
constexpr uint32_t kSetValue = 0x0002;
constexpr uint32_t kCreateSubKey = 0x0004;
constexpr uint32_t kEnumerateSubKeys = 0x0008;
constexpr uint32_t kRead = 0x20019;
constexpr uint32_t kWrite = 0x20006;
constexpr uint32_t kAllAccess = 0xF003F;
} // namespace reg

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExA: kFileNotFound when the key does not exist.
    virtual int32_t OpenKey(RegKey parent, const char* subKey, uint32_t access, RegKey* key) = 0;
    // RegCreateKeyExA with no class, non-volatile: opens the key, creating it and any missing
    // parents.
    virtual int32_t CreateKey(RegKey parent, const char* subKey, uint32_t access, RegKey* key) = 0;
    // RegQueryValueExA: with data null, reports type and size; with a buffer smaller than the
    // value, fails with kMoreData and reports the size needed. type and size may be null
    // exactly as Win32 allows.
    virtual int32_t QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                               uint32_t* size) = 0;
    // RegSetValueExA: needs a key opened with kSetValue.
    virtual int32_t SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                             uint32_t size) = 0;
    // RegDeleteValueA: kFileNotFound when there is no such value.
    virtual int32_t DeleteValue(RegKey key, const char* name) = 0;
    // RegEnumKeyExA: the index-th subkey name. *nameSize is the buffer size in characters on
    // entry and the name's length without its terminator on success; kMoreData when the name
    // does not fit; kNoMoreItems past the last subkey.
    virtual int32_t EnumKey(RegKey key, uint32_t index, char* name, uint32_t* nameSize) = 0;
    // RegDeleteKeyA as on NT: the key must have no subkeys (kAccessDenied otherwise).
    virtual int32_t DeleteKey(RegKey parent, const char* subKey) = 0;
    // RegCloseKey.
    virtual int32_t CloseKey(RegKey key) = 0;
};

// The registry every part of the library uses: the real one on Windows, the in-memory
// substitute elsewhere, unless a ScopedRegistry has put another in its place.
Registry& registry();
// The platform's own registry.
Registry& nativeRegistry();
using ScopedRegistry = Override<Registry>;

// Removes a key with all its subkeys, deepest first (NT 4 has no call that does it at once).
int32_t DeleteKeyTree(RegKey parent, const char* subKey);

// An open key that closes itself.
class KeyHandle {
public:
    KeyHandle() = default;
    ~KeyHandle() { Close(); }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;

    // Opening or creating through the active registry; true on kSuccess.
    bool Open(RegKey parent, const char* subKey, uint32_t access);
    bool Create(RegKey parent, const char* subKey, uint32_t access);
    void Close();

    RegKey get() const { return key_; }
    bool IsOpen() const { return open_; }

    // A REG_DWORD-sized read: true, with *value set, only when exactly four bytes or more were
    // read; the stored type is not checked.
    bool QueryDword(const char* name, uint32_t* value) const;
    // A string value read into a buffer of bufferSize bytes. The text ends at the first 0 byte or
    // at the end of the data, so a value stored without its terminator is safe. Fails (and
    // leaves *out empty) when the value is missing, larger than the buffer, or fills it with no
    // room left for a terminator.
    bool QueryString(const char* name, uint32_t bufferSize, std::string* out) const;
    // A value of any size read whole.
    bool QueryBytes(const char* name, std::vector<uint8_t>* out) const;

    int32_t SetDword(const char* name, uint32_t value) const;
    int32_t SetString(const char* name, const std::string& text) const;
    int32_t SetBinary(const char* name, const void* data, uint32_t size) const;

private:
    RegKey key_ = 0;
    bool open_ = false;
};

} // namespace platform
