#include "support/registry_fixture.h"

namespace kelvd::test {

std::string Dword(uint32_t value) {
    return std::string{static_cast<char>(value), static_cast<char>(value >> 8),
                       static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
}

RegistryFixture::RegistryFixture(std::initializer_list<const char*> keys)
    : keys_(keys.begin(), keys.end()) {
    keys_.emplace_back(kScratch);
}

void RegistryFixture::Clean() const {
    for (const std::string& key : keys_)
        platform::DeleteKeyTree(platform::kLocalMachine, key.c_str());
}

void RegistryFixture::Put(const char* key, const char* name, uint32_t type,
                          const std::string& data) {
    platform::KeyHandle handle;
    ASSERT_TRUE(handle.Create(platform::kLocalMachine, key, platform::reg::kAllAccess)) << key;
    ASSERT_EQ(platform::reg::kSuccess,
              platform::registry().SetValue(handle.get(), name, type,
                                            reinterpret_cast<const uint8_t*>(data.data()),
                                            static_cast<uint32_t>(data.size())));
}

void RegistryFixture::PutString(const char* key, const char* name, const std::string& text) {
    Put(key, name, platform::reg::kSz, std::string(text.c_str(), text.size() + 1));
}

void RegistryFixture::PutDword(const char* key, const char* name, uint32_t value) {
    Put(key, name, platform::reg::kDword, Dword(value));
}

} // namespace kelvd::test
