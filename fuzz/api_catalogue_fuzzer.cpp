// The API catalogue reader over arbitrary bytes. The first byte chooses the platform (odd:
// Windows 9x, which reads the VxD part too); the rest is the file, read in text mode.
#include "fuzz/fuzz_check.h"
#include "platform/substitute/memory_file.h"
#include "stores/api_catalogue.h"

#include <cstdint>
#include <memory>

namespace {

void CheckTable(const kelvd::CategoryTable& table) {
    FUZZ_CHECK(table.Count() <= kelvd::CategoryTable::kCapacity);
    for (const kelvd::ApiCategory& category : table) {
        FUZZ_CHECK(category.name.size() <= kelvd::ApiCategory::kMaxNameLength);
        FUZZ_CHECK(category.eventNames.size() == category.eventCount);
        FUZZ_CHECK(category.eventFlags.size() == category.eventCount);
        FUZZ_CHECK(category.checkState <= 2);
        for (const std::string& name : category.eventNames)
            FUZZ_CHECK(name.size() <= kelvd::ApiCategory::kMaxNameLength);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto* model = new kelvd::ConfigModel;
    if (size == 0)
        return 0;
    bool win9x = data[0] & 1;
    platform::MemoryFile file(
        platform::ToTextMode(std::string(reinterpret_cast<const char*>(data) + 1, size - 1)));
    std::optional<uint32_t> version =
        kelvd::ParseApiCatalogue(file, win9x, model->apiCategories, model->vxdApiCategories);
    if (!version) {
        FUZZ_CHECK(model->apiCategories.Count() == 0 && model->vxdApiCategories.Count() == 0);
    }
    if (!win9x)
        FUZZ_CHECK(model->vxdApiCategories.Count() == 0);
    CheckTable(model->apiCategories);
    CheckTable(model->vxdApiCategories);
    return 0;
}
