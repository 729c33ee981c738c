// Tests that touch the registry work on the platform's own registry (the in-memory substitute
// natively, the real one under Wine) and remove the keys they use before and after each test.
#pragma once

#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kelvd::test {

// The four little-endian bytes of value, as the stores write a DWORD.
std::string Dword(uint32_t value);

struct RegistryFixture : ::testing::Test {
    // A key below HKEY_LOCAL_MACHINE that only the tests use.
    static constexpr const char* kScratch = "Software\\KelvdTest";

    // Keys removed (with their subkeys) around every test; kScratch always is.
    explicit RegistryFixture(std::initializer_list<const char*> keys = {});
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    // One more key to remove around every test.
    void AlsoClean(const char* key) { keys_.emplace_back(key); }

    // Writes a value, creating the key as needed.
    static void Put(const char* key, const char* name, uint32_t type, const std::string& data);
    static void PutString(const char* key, const char* name, const std::string& text);
    static void PutDword(const char* key, const char* name, uint32_t value);

private:
    void Clean() const;
    std::vector<std::string> keys_;
};

} // namespace kelvd::test
