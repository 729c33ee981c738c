// Version resources on Linux, read from the files themselves by the library's own reader, with
// the buffer sizes of the system's functions; strings are given in the substitute's ANSI code
// page.
#include "platform/version_info.h"
#include "platform/code_page.h"
#include "platform/pe_version_resource.h"

#include <algorithm>

namespace platform {

namespace {

class SubstituteVersionInfo final : public VersionInfo {
public:
    uint32_t InfoSize(const char* path) override {
        std::vector<uint8_t> resource;
        uint32_t largest = 0;
        return ReadVersionResource(path, &resource, &largest)
                   ? static_cast<uint32_t>(VersionBlockSize(largest))
                   : 0;
    }

    bool Info(const char* path, std::vector<uint8_t>* block) override {
        std::vector<uint8_t> resource;
        uint32_t largest = 0;
        if (!ReadVersionResource(path, &resource, &largest) ||
            block->size() < VersionBlockSize(largest))
            return false;
        std::copy(resource.begin(), resource.end(), block->begin());
        return true;
    }

    bool QueryString(const std::vector<uint8_t>& block, const char* subBlock,
                     std::string* value) override {
        std::u16string text;
        if (!IsSoundVersionBlock(block.data(), block.size()) ||
            !FindVersionString(block.data(), block.size(), subBlock, &text))
            return false;
        *value = AnsiFromUtf16(text);
        return true;
    }
};

} // namespace

VersionInfo& nativeVersionInfo() {
    static SubstituteVersionInfo instance;
    return instance;
}

} // namespace platform
