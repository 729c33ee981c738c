#include "stores/install_dirs.h"

#include "platform/registry.h"

namespace kelvd {

namespace {
constexpr uint32_t kInstallDirBufferSize = 512;
} // namespace

bool ReadInstallDir(const char* key, uint32_t bufferSize, std::string* dir) {
    dir->clear();
    platform::KeyHandle handle;
    return handle.Open(platform::kLocalMachine, key, platform::reg::kAllAccess) &&
           handle.QueryString(kInstallDirValue, bufferSize, dir);
}

void GetSuiteInstallDir(std::string* out) {
    ReadInstallDir(kSuiteKey, kInstallDirBufferSize, out);
}

void GetFamilyInstallDir(std::string* out) {
    ReadInstallDir(kFamilyKey, kInstallDirBufferSize, out);
}

} // namespace kelvd
