#include "fuzz/fuzz_support.h"

#include "model/config_model.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "stores/install_dirs.h"

namespace kelvd::fuzz {

namespace {

void CheckCategories(const CategoryTable& table) {
    FUZZ_CHECK(table.Count() <= CategoryTable::kCapacity);
    for (const ApiCategory& category : table) {
        FUZZ_CHECK(category.eventNames.size() == category.eventCount);
        FUZZ_CHECK(category.eventFlags.size() == category.eventCount);
        FUZZ_CHECK(category.checkState <= 2);
    }
}

template <size_t Capacity> void AddRows(DriverTable<Capacity>& table, const char* const* paths) {
    for (; *paths; ++paths) {
        DriverEntry row;
        row.path = *paths;
        table.Append(row);
    }
}

void AddCategory(CategoryTable& table, const char* name, uint32_t events) {
    ApiCategory* category = table.AppendSlot();
    category->name = name;
    category->AllocateEvents(events);
    for (uint32_t i = 0; i < events; ++i)
        category->eventNames[i] = std::string(name) + "Event" + std::to_string(i);
}

} // namespace

World& TheWorld() {
    static World* world = [] {
        auto* made = new World;
        static platform::ScopedFileSystem files(made->files);
        static platform::RecordedMessageBoxes messages;
        static platform::ScopedMessageBoxes messagesScope(messages);
        platform::KeyHandle suite;
        suite.Create(platform::kLocalMachine, kSuiteKey, platform::reg::kAllAccess);
        suite.SetString(kInstallDirValue, kSuiteDir);
        return made;
    }();
    return *world;
}

void ResetModel(bool win9x) {
    static const char* const kDrivers[] = {"C:\\WINNT\\system32\\drivers\\atapi.sys", "cdrom.sys",
                                           nullptr};
    static const char* const kDisplay[] = {"mga64.dll", nullptr};
    static const char* const kUser[] = {"C:\\Tools\\probe.sys", nullptr};
    static const char* const kVxds[] = {"VMM     ", "VDD     ", nullptr};
    static const char* const kUserVxds[] = {"C:\\VXD\\MINE.VXD", nullptr};
    ConfigModel& model = configModel();
    for (DriverTable<256>* table :
         {&model.drivers, &model.displayDrivers, &model.vxds, &model.userVxds})
        table->Clear();
    model.userDrivers.Clear();
    ReleaseCategories(model.apiCategories);
    ReleaseCategories(model.vxdApiCategories);
    model.isWin9x = win9x;
    AddRows(model.drivers, kDrivers);
    AddRows(model.displayDrivers, kDisplay);
    AddRows(model.userDrivers, kUser);
    AddRows(model.vxds, kVxds);
    AddRows(model.userVxds, kUserVxds);
    AddCategory(model.apiCategories, "Memory", 3);
    AddCategory(model.apiCategories, "Empty", 0);
    AddCategory(model.apiCategories, "Io", 2);
    AddCategory(model.vxdApiCategories, "VxD Memory", 2);
}

void CheckModel() {
    const ConfigModel& model = configModel();
    FUZZ_CHECK(model.drivers.Count() <= 256 && model.displayDrivers.Count() <= 256);
    FUZZ_CHECK(model.userDrivers.Count() <= 128);
    FUZZ_CHECK(model.vxds.Count() <= 256 && model.userVxds.Count() <= 256);
    CheckCategories(model.apiCategories);
    CheckCategories(model.vxdApiCategories);
}

} // namespace kelvd::fuzz
