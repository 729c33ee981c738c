#include "platform/version_info.h"

#include "platform/win32/windows_support.h"
#include <cstring>

namespace platform {

namespace {

class Win32VersionInfo final : public VersionInfo {
public:
    uint32_t InfoSize(const char* path) override {
        DWORD handle = 0;
        return ::GetFileVersionInfoSizeA(path, &handle);
    }

    bool Info(const char* path, std::vector<uint8_t>* block) override {
        return !block->empty() &&
               ::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block->size()), block->data());
    }

    bool QueryString(const std::vector<uint8_t>& block, const char* subBlock,
                     std::string* value) override {
        void* text = nullptr;
        UINT length = 0;
        if (block.empty() || !::VerQueryValueA(block.data(), subBlock, &text, &length) || !text)
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
