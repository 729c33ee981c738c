// Version resources on Linux: the block is the resource the library's own reader took from the
// file, in a buffer of the size the system's functions give; strings are given in the
// substitute's ANSI code page.
#include "platform/version_info.h"

#include "platform/code_page.h"
#include "platform/pe_version_resource.h"

namespace platform {

bool SystemVersionBlock(const char*, const std::vector<uint8_t>& resource, uint32_t largestSize,
                        std::vector<uint8_t>* block) {
    *block = resource;
    block->resize(VersionBlockSize(largestSize));
    return true;
}

bool QueryVersionValue(const std::vector<uint8_t>& block, const char* subBlock,
                       std::string* value) {
    std::u16string text;
    if (!IsSoundVersionBlock(block.data(), block.size()) ||
        !FindVersionString(block.data(), block.size(), subBlock, &text))
        return false;
    *value = AnsiFromUtf16(text);
    return true;
}

} // namespace platform
