// What every fuzzer shares: the library set up in memory once per process (files, registry,
// message boxes, the scalar settings the stores write), a reader of the fuzz input, and the
// invariants of the model that no input may break.
#pragma once

#include "fuzz/fuzz_check.h"
#include "model/scalar_settings.h"
#include "platform/substitute/memory_file_system.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace kelvd::fuzz {

// The suite's install directory in the fuzzers' world.
constexpr const char* kSuiteDir = "C:\\Suite";

struct World {
    platform::MemoryFileSystem files;
    ScalarSettings settings;
};

// The world, made on first use: the file system and message boxes are in place for the whole
// process, and the suite's install directory is in the registry.
World& TheWorld();

// Empties the model and gives it a fixed catalogue and a few rows of every driver table, so that
// the readers have rows and categories to apply what they read to.
void ResetModel(bool win9x);

// Fails the run when the model breaks an invariant: counts within capacities, event arrays of
// every category as long as its count, tri-states 0..2.
void CheckModel();

// The fuzz input, taken from the front.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t Byte() { return empty() ? 0 : data_[at_++]; }
    uint32_t Word32() {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8)
            value |= static_cast<uint32_t>(Byte()) << shift;
        return value;
    }
    // Up to size bytes (fewer at the end of the input).
    std::string Bytes(size_t size) {
        size_t length = size < size_ - at_ ? size : size_ - at_;
        std::string bytes(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return bytes;
    }
    std::string Rest() { return Bytes(size_ - at_); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

} // namespace kelvd::fuzz
