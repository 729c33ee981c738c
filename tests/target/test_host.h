// A host's TargetRegistry over an in-memory target, with helpers to fill and read its registry
// as the host holds it, and a way to misbehave as a careless host might.
#pragma once

#include "doubles/memory_target.h"
#include "target/target_text.h"

#include <string>

namespace kelvd::test {

class TestHost {
public:
    TestHost();  // becomes the current host
    ~TestHost(); // and stops being it

    TargetRegistry* table() { return &table_; }
    platform::MemoryRegistry& registry() { return target_.registry(); }

    // A value as the host's registry holds it: raw bytes, a number, UTF-16 text (with its
    // terminator unless told otherwise).
    void PutBytes(const std::string& key, const char* name, uint32_t type,
                  const std::string& bytes);
    void PutDword(const std::string& key, const char* name, uint32_t value);
    void PutText(const std::string& key, const char* name, const std::string& text,
                 uint32_t type = 1, bool terminated = true);
    // The raw bytes of a value, or "(none)".
    std::string Bytes(const std::string& key, const char* name);

    // Takes every string size for characters, and answers a string query with the size
    // 0xFFFFFFFF.
    bool sizesInCharacters = false;

private:
    MemoryTarget target_;
    TargetRegistry table_;
    TestHost* previous_;
    struct Calls;
};

} // namespace kelvd::test
