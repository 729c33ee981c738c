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

bool SystemVersionBlock(const char* path, const std::vector<uint8_t>&, uint32_t largestSize,
                        std::vector<uint8_t>* block) {
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return false;
    block->assign(std::max<size_t>(size, VersionBlockSize(largestSize)), 0);
    return ::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block->size()), block->data());
}

bool QueryVersionValue(const std::vector<uint8_t>& block, const char* subBlock,
                       std::string* value) {
    void* text = nullptr;
    UINT length = 0;
    if (!IsSoundVersionBlock(block.data(), block.size()) ||
        !::VerQueryValueA(const_cast<uint8_t*>(block.data()), subBlock, &text, &length) || !text)
        return false;
    // The value lies inside the block; its length counts characters with the terminator.
    const char* begin = static_cast<const char*>(text);
    const char* end = reinterpret_cast<const char*>(block.data()) + block.size();
    if (begin < reinterpret_cast<const char*>(block.data()) || begin >= end)
        return false;
    const size_t available = static_cast<size_t>(end - begin);
    value->assign(begin, strnlen(begin, std::min<size_t>(length, available)));
    return true;
}

} // namespace platform
