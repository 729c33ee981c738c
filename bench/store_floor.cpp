#include "store_floor.h"

#include "plain_io.h"

#include "platform/win32/windows_support.h"
#include "stores/hook_state_file.h"
#include "stores/registry_store.h"

namespace kelvd::floor {

namespace {

constexpr DWORD kNameSize = 256;
constexpr DWORD kDataSize = 256 * 1024;

} // namespace

void StoreFloor::Prepare() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char name[kNameSize];
        std::vector<unsigned char> data(kDataSize);
        DWORD nameSize = kNameSize, type = 0, size = kDataSize;
        for (DWORD i = 0; RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data.data(),
                                        &size) == ERROR_SUCCESS;
             ++i, nameSize = kNameSize, size = kDataSize)
            values_.push_back({name, type, {data.begin(), data.begin() + size}});
        RegCloseKey(key);
    }
    HookStatePath(&hookStatePath_);
    hookStateLines_ = bench::FileLines(hookStatePath_);
}

void StoreFloor::MakeCalls() const {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        for (const Value& value : values_)
            RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size()));
        RegCloseKey(key);
    }
    const std::string written = hookStatePath_ + ".new~";
    bench::WriteLines(written, hookStateLines_);
    MoveFileExA(written.c_str(), hookStatePath_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::string StoreFloor::Counts() const {
    return std::to_string(values_.size()) + " values, " + std::to_string(hookStateLines_.size()) +
           " hook-state lines";
}

} // namespace kelvd::floor
