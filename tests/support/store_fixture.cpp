#include "support/store_fixture.h"

#include "platform/file_system.h"
#include "stores/install_dirs.h"
#include "stores/registry_store.h"
#include "support/model_reset.h"

namespace kelvd::test {

StoreFixture::StoreFixture()
    : RegistryFixture({kServiceKey, kSuiteKey, kFamilyKey}), model_(configModel()) {}

ApiCategory& StoreFixture::AddCategory(CategoryTable& table, const std::string& name,
                                       const std::vector<uint8_t>& flags,
                                       std::vector<std::string> names) {
    ApiCategory* category = table.AppendSlot();
    EXPECT_TRUE(category);
    category->name = name;
    category->AllocateEvents(static_cast<uint32_t>(flags.size()));
    category->eventFlags = flags;
    for (size_t i = 0; i < flags.size(); ++i)
        category->eventNames[i] = i < names.size() ? names[i] : "Event" + std::to_string(i);
    category->checkState = category->StateFromFlags();
    return *category;
}

std::vector<uint32_t> StoreFixture::AllStates() const {
    std::vector<uint32_t> states;
    for (const std::vector<uint32_t>& table :
         {States(model_.drivers), States(model_.displayDrivers), States(model_.userDrivers),
          States(model_.vxds), States(model_.userVxds)})
        states.insert(states.end(), table.begin(), table.end());
    return states;
}

void StoreFixture::InstallSuite() {
    PutString(kSuiteKey, kInstallDirValue, dir_.path());
}

std::string StoreFixture::FileText(const std::string& name) const {
    std::string content;
    platform::ReadWholeFile(dir_.File(name), platform::OpenMode::ReadBinary, &content);
    return content;
}

bool StoreFixture::FileExists(const std::string& name) const {
    return platform::fileSystem().Open(dir_.File(name).c_str(), platform::OpenMode::ReadBinary) !=
           nullptr;
}

std::vector<std::string> StoreFixture::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages_.shown)
        texts.push_back(shown.caption + "|" + shown.text);
    return texts;
}

std::pair<uint32_t, std::string> StoreFixture::ServiceValue(const char* name) {
    platform::KeyHandle key;
    std::vector<uint8_t> bytes;
    uint32_t type = 0;
    if (key.Open(platform::kLocalMachine, kServiceKey, platform::reg::kRead) &&
        key.QueryBytes(name, &bytes))
        platform::registry().QueryValue(key.get(), name, &type, nullptr, nullptr);
    return {type, std::string(bytes.begin(), bytes.end())};
}

} // namespace kelvd::test
