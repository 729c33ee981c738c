// The substitute has no reader of its own: the files that the library's PE reader leaves to it
// (those that are no PE image) have no version resource here.
#include "platform/version_info.h"

namespace platform {

namespace {

class SubstituteVersionInfo final : public VersionInfo {
public:
    uint32_t InfoSize(const char*) override { return 0; }
    bool Info(const char*, std::vector<uint8_t>*) override { return false; }
    bool QueryString(const std::vector<uint8_t>&, const char*, std::string*) override {
        return false;
    }
};

} // namespace

VersionInfo& nativeVersionInfo() {
    static SubstituteVersionInfo instance;
    return instance;
}

} // namespace platform
