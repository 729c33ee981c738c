#include "support/model_fixture.h"

#include "stores/install_dirs.h"
#include "stores/registry_store.h"

namespace kelvd::test {

ModelFixture::ModelFixture()
    : RegistryFixture({kServiceKey, kSuiteKey, kFamilyKey}), model_(configModel()) {
    advanced_.AttachEdits(&stackThresholdEdit_, &memUsageEdit_);
    advanced_.ShowSettings();
}

void ModelFixture::SetUp() {
    RegistryFixture::SetUp();
    ResetModel();
}

void ModelFixture::TearDown() {
    ResetModel();
    RegistryFixture::TearDown();
}

void ModelFixture::ResetModel() {
    for (auto* table : {&model_.drivers, &model_.displayDrivers, &model_.vxds, &model_.userVxds})
        table->Clear();
    model_.userDrivers.Clear();
    ReleaseCategories(model_.apiCategories);
    ReleaseCategories(model_.vxdApiCategories);
    model_.isWin9x = false;
    model_.runMode = kLocal;
}

ApiCategory& ModelFixture::AddCategory(CategoryTable& table, const std::string& name,
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

ScalarSettings ModelFixture::Held() {
    advanced_.ShowSettings();
    return pages_.Read();
}

void ModelFixture::Hold(const ScalarSettings& settings) {
    pages_.Apply(settings);
    advanced_.ShowSettings();
}

void ModelFixture::InstallSuite() {
    PutString(kSuiteKey, kInstallDirValue, dir_.path());
}

} // namespace kelvd::test
