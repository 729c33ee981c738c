// The version functions of version.dll, which trust the image and the block they are given: an
// image reaches them only when the library's own reader has found every version resource in it
// sound, with a buffer of at least what the largest of them declares, and a block reaches
// VerQueryValueA only when it is sound itself.
#include "platform/version_info.h"
#include "platform/pe_version_resource.h"

#include "platform/win32/windows_support.h"
#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// What the largest version resource of the image at path declares, when every one is sound.
bool SoundImage(const char* path, uint32_t* largestSize) {
    std::vector<uint8_t> resource;
    return ReadVersionResource(path, &resource, largestSize);
}

class Win32VersionInfo final : public VersionInfo {
public:
    uint32_t InfoSize(const char* path) override {
        uint32_t largest = 0;
        if (!SoundImage(path, &largest))
            return 0;
        DWORD handle = 0;
        const DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
        return size == 0 ? 0 : std::max<uint32_t>(size, VersionBlockSize(largest));
    }

    bool Info(const char* path, std::vector<uint8_t>* block) override {
        uint32_t largest = 0;
        return SoundImage(path, &largest) && block->size() >= VersionBlockSize(largest) &&
               ::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block->size()), block->data());
    }

    bool QueryString(const std::vector<uint8_t>& block, const char* subBlock,
                     std::string* value) override {
        void* text = nullptr;
        UINT length = 0;
        if (!IsSoundVersionBlock(block.data(), block.size()) ||
            !::VerQueryValueA(block.data(), subBlock, &text, &length) || !text)
            return false;
        // The value lies inside the block; its length counts characters with the terminator.
        const char* begin = static_cast<const char*>(text);
        const char* end = reinterpret_cast<const char*>(block.data()) + block.size();
        if (begin < reinterpret_cast<const char*>(block.data()) || begin >= end)
            return false;
        size_t available = static_cast<size_t>(end - begin);
        value->assign(begin, strnlen(begin, length < available ? length : available));
        return true;
    }
};

} // namespace

VersionInfo& nativeVersionInfo() {
    static Win32VersionInfo instance;
    return instance;
}

} // namespace platform
