// Bytes of an image, from memory or from a file read a page at a time as they are needed, whose
// every read is checked against their end: the readers of image files and version resources
// never read outside what they are given.
#pragma once

#include "platform/file_system.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// Where an image's bytes come from: memory, or a file read a page at a time as they are needed.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies length bytes from offset to out; false when the source does not hold them all.
    virtual bool Read(size_t offset, size_t length, uint8_t* out) = 0;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Read(size_t offset, size_t length, uint8_t* out) override {
        if (offset > size_ || length > size_ - offset)
            return false;
        std::copy_n(data_ + offset, length, out);
        return true;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

// A file's pages as the reader touches them, each read once.
class FileSource final : public ByteSource {
public:
    explicit FileSource(File& file) : file_(file) {}
    bool Read(size_t offset, size_t length, uint8_t* out) override;

private:
    static constexpr size_t kPageSize = 4096;

    struct Page {
        std::unique_ptr<uint8_t[]> bytes;
        size_t size = 0; // less than a page at the end of the file, 0 past it
    };

    // The walk reads a few bytes at a time, mostly from the page it read last.
    const Page& PageAt(size_t index);

    File& file_;
    std::map<size_t, Page> pages_;
    const Page* last_ = nullptr;
    size_t lastIndex_ = 0;
};

// At most size bytes of a source from base on, whose every read is checked against their end
// (a file's end is found when a read reaches it).
class Bytes {
public:
    Bytes(ByteSource& source, size_t base, size_t size)
        : source_(&source), base_(base), size_(size) {}

    bool Has(size_t offset, size_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    std::optional<uint8_t> U8(size_t offset) const {
        uint8_t byte;
        if (!Read(offset, 1, &byte))
            return std::nullopt;
        return byte;
    }
    std::optional<uint16_t> U16(size_t offset) const {
        uint8_t bytes[2];
        if (!Read(offset, 2, bytes))
            return std::nullopt;
        return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
    }
    std::optional<uint32_t> U32(size_t offset) const {
        std::optional<uint16_t> low = U16(offset), high = U16(offset + 2);
        if (!low || !high)
            return std::nullopt;
        return static_cast<uint32_t>(*low | static_cast<uint32_t>(*high) << 16);
    }
    // Whether the source holds the length bytes from offset: they are within these bytes, and
    // the last of them is read (a file's end is found only so).
    bool Holds(size_t offset, size_t length) const {
        uint8_t last;
        return Has(offset, length) && (length == 0 || Read(offset + length - 1, 1, &last));
    }
    // Whether the source holds all the bytes: its last one is read.
    bool Whole() const { return Holds(0, size_); }
    // All the bytes, into out; false when the source does not hold them.
    bool Copy(std::vector<uint8_t>* out) const {
        if (!Whole())
            return false;
        out->resize(size_);
        return Read(0, size_, out->data());
    }
    // The bytes from offset on, at most size of them.
    Bytes From(size_t offset, size_t size) const {
        return Bytes(*source_, base_ + offset, std::min(size, size_ - offset));
    }
    size_t size() const { return size_; }

private:
    bool Read(size_t offset, size_t length, uint8_t* out) const {
        return Has(offset, length) && source_->Read(base_ + offset, length, out);
    }

    ByteSource* source_;
    size_t base_;
    size_t size_;
};

} // namespace platform
