#include "cli/suite_files.h"

#include "platform/multibyte.h"
#include "platform/registry.h"
#include "stores/install_dirs.h"

#include <cstring>

namespace kelvcfg {

namespace {

// No real directory: its files exist only as the files the user named.
constexpr const char* kSuiteDir = "K:\\kelvcfg\\suite";
constexpr const char* kCatalogueName = "KELVD.API";
constexpr const char* kHookStateName = "hookstate.dat";

// The name of path inside the install directory, or null for a path outside it.
const char* NameInSuite(const char* path) {
    const size_t length = std::strlen(kSuiteDir);
    if (std::strlen(path) <= length || path[length] != '\\' ||
        platform::MbsICmp(std::string(path, length).c_str(), kSuiteDir) != 0)
        return nullptr;
    return path + length + 1;
}

// A name that is the file's own or starts with it (the temporary file beside it).
bool Names(const char* name, const char* fileName, std::string* rest) {
    const size_t length = std::strlen(fileName);
    if (std::strlen(name) < length ||
        platform::MbsICmp(std::string(name, length).c_str(), fileName) != 0)
        return false;
    *rest = name + length;
    return true;
}

} // namespace

void NameSuiteDirectory() {
    platform::KeyHandle key;
    if (key.Create(platform::kLocalMachine, kelvd::kSuiteKey, platform::reg::kAllAccess))
        key.SetString(kelvd::kInstallDirValue, kSuiteDir);
}

SuiteFiles::SuiteFiles(std::string catalogue, std::string hookState)
    : base_(platform::fileSystem()), catalogue_(std::move(catalogue)),
      hookState_(std::move(hookState)), scope_(*this) {}

SuiteFiles::~SuiteFiles() = default;

bool SuiteFiles::Map(const char* path, std::string* mapped) const {
    const char* name = NameInSuite(path);
    if (!name) {
        *mapped = path;
        return true;
    }
    std::string rest;
    if (!catalogue_.empty() && Names(name, kCatalogueName, &rest) && rest.empty()) {
        *mapped = catalogue_;
        return true;
    }
    if (!hookState_.empty() && Names(name, kHookStateName, &rest)) {
        *mapped = hookState_ + rest;
        return true;
    }
    return false;
}

std::unique_ptr<platform::File> SuiteFiles::Open(const char* path, platform::OpenMode mode) {
    std::string mapped;
    return Map(path, &mapped) ? base_.Open(mapped.c_str(), mode) : nullptr;
}

bool SuiteFiles::Rename(const char* from, const char* to) {
    std::string mappedFrom, mappedTo;
    return Map(from, &mappedFrom) && Map(to, &mappedTo) &&
           base_.Rename(mappedFrom.c_str(), mappedTo.c_str());
}

bool SuiteFiles::Remove(const char* path) {
    std::string mapped;
    return Map(path, &mapped) && base_.Remove(mapped.c_str());
}

} // namespace kelvcfg
