// A host's TargetRegistry over an in-memory target, which records the calls made through it and
// can be told to misbehave as a careless host might.
#pragma once

#include "target/memory_target.h"

#include <string>
#include <vector>

namespace kelvd::test {

class TestHost {
public:
    TestHost();  // becomes the current host
    ~TestHost(); // and stops being it
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    TargetRegistry* table() { return &table_; }
    platform::MemoryRegistry& registry() { return target_.registry(); }

    // Values written as the host's registry holds them: UTF-16 text (with its terminator unless
    // told), numbers, raw bytes.
    void PutText(const std::string& key, const char* name, const std::string& text,
                 uint32_t type = 1, bool terminated = true);
    void PutDword(const std::string& key, const char* name, uint32_t value);
    void PutBytes(const std::string& key, const char* name, uint32_t type,
                  const std::string& bytes);
    // The raw bytes of a value, or "(none)".
    std::string Bytes(const std::string& key, const char* name);

    // "Open <path> <access>", "Create <path>", "Query <name> typed|untyped <size>",
    // "Set <name> <type> <size>", "Close", one per call ("Enum" calls are not recorded).
    std::vector<std::string> calls;

    bool sizesInCharacters = false;   // takes every string size for characters
    bool reportsSizeTooLarge = false; // with sizesInCharacters: answers a successful string query
                                      // with the size 0xFFFFFFFF
    bool endlessKeys = false;         // enumerates a subkey "Ghost" at every index

private:
    MemoryTarget target_;
    TargetRegistry table_;
    TestHost* previous_;
    struct Calls;
};

} // namespace kelvd::test
