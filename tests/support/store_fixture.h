// Tests of the stores work on the process-wide model, with a fresh set of the three pages that
// hold the scalar settings (the advanced page bound to in-memory edits) and recorded message
// boxes. The model is emptied around every test; the registry keys the stores use are removed.
#pragma once

#include "model/config_model.h"
#include "pages/scalar_pages.h"
#include "platform/headless/memory_edit.h"
#include "platform/message_box.h"
#include "support/registry_fixture.h"
#include "support/temp_dir.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace kelvd::test {

class StoreFixture : public RegistryFixture {
protected:
    StoreFixture();
    void SetUp() override;
    void TearDown() override;

    // Appends a row with path and state to table.
    template <size_t Capacity>
    static void AddRow(DriverTable<Capacity>& table, const std::string& path, uint32_t state) {
        DriverEntry row;
        row.path = path;
        row.checkState = state;
        ASSERT_TRUE(table.Append(row));
    }
    // Appends a category with one event per flag, named by names (or Event0, Event1, ... when
    // names is empty).
    static ApiCategory& AddCategory(CategoryTable& table, const std::string& name,
                                    const std::vector<uint8_t>& flags,
                                    std::vector<std::string> names = {});

    // The settings as the pages hold them, the advanced page's members shown in its edits first.
    ScalarSettings Held();
    // Hands settings to the pages and shows them, as a loaded configuration is shown.
    void Hold(const ScalarSettings& settings);

    // The suite's install directory for the hook-state file: dir_.
    void InstallSuite();

    ConfigModel& model_;
    GeneralSettingsPage general_;
    AdvancedSettingsPage advanced_;
    MemoryTrackPage memoryTrack_;
    platform::MemoryEditControl stackThresholdEdit_;
    platform::MemoryEditControl memUsageEdit_;
    ScalarPages pages_{general_, advanced_, memoryTrack_};
    platform::RecordedMessageBoxes messages_;
    TempDir dir_;

private:
    platform::ScopedMessageBoxes messageScope_{messages_};
};

} // namespace kelvd::test
