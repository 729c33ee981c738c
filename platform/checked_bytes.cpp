#include "platform/checked_bytes.h"

#include <climits>

namespace platform {

bool FileSource::Read(size_t offset, size_t length, uint8_t* out) {
    for (size_t done = 0; done < length;) {
        const size_t at = offset + done, within = at % kPageSize;
        const Page& page = PageAt(at / kPageSize);
        if (within >= page.size)
            return false;
        const size_t part = std::min(length - done, page.size - within);
        std::copy_n(page.bytes.get() + within, part, out + done);
        done += part;
    }
    return true;
}

const FileSource::Page& FileSource::PageAt(size_t index) {
    if (last_ && lastIndex_ == index)
        return *last_;
    auto [at, isNew] = pages_.try_emplace(index);
    Page& page = at->second;
    const size_t offset = index * kPageSize;
    if (isNew && offset <= size_t{LONG_MAX} && file_.Seek(static_cast<long>(offset))) {
        page.bytes.reset(new uint8_t[kPageSize]);
        page.size = file_.Read(page.bytes.get(), kPageSize);
    }
    last_ = &page;
    lastIndex_ = index;
    return page;
}

} // namespace platform
