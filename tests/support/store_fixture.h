// Tests of the stores work on the process-wide model, with scalar settings to save and to load
// into, and recorded message boxes. The model is emptied around every test; the registry keys the
// stores use are removed.
#pragma once

#include "model/config_model.h"
#include "model/scalar_settings.h"
#include "platform/message_box.h"
#include "support/model_reset.h"
#include "support/registry_fixture.h"
#include "support/temp_dir.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvd::test {

struct StoreFixture : RegistryFixture {
    StoreFixture();
    void SetUp() override {
        RegistryFixture::SetUp();
        ResetModel();
    }
    void TearDown() override {
        ResetModel();
        RegistryFixture::TearDown();
    }

    template <size_t Capacity>
    static void AddRow(DriverTable<Capacity>& table, const std::string& path, uint32_t state) {
        ASSERT_TRUE(table.Append(DriverEntry{path, "", "", 0, state}));
    }
    // Appends a category with one event per flag, named by names (or Event0, Event1, ... when
    // names is empty).
    static ApiCategory& AddCategory(CategoryTable& table, const std::string& name,
                                    const std::vector<uint8_t>& flags,
                                    std::vector<std::string> names = {});

    // The states of every driver table: drivers, display drivers, user drivers, VxDs, user VxDs.
    std::vector<uint32_t> AllStates() const;

    // The settings the test saves, and what the last load gave.
    ScalarSettings Held() const { return settings_; }
    void Hold(const ScalarSettings& settings) { settings_ = settings; }
    // Takes what a load read, as the sheet does: settings it returned replace the held ones.
    void Take(const std::optional<ScalarSettings>& loaded) {
        if (loaded)
            settings_ = *loaded;
    }

    // The suite's install directory for the hook-state file: dir_.
    void InstallSuite();
    // The bytes of a file in dir_ ("" when it cannot be read), and whether it can be read.
    std::string FileText(const std::string& name) const;
    bool FileExists(const std::string& name) const;
    // The message boxes shown, as "caption|text".
    std::vector<std::string> MessageTexts() const;
    // A value of the checker's service key as (type, bytes); type 0 and no bytes when missing.
    static std::pair<uint32_t, std::string> ServiceValue(const char* name);

    ConfigModel& model_;
    ScalarSettings settings_;
    platform::RecordedMessageBoxes messages_;
    TempDir dir_;

private:
    platform::ScopedMessageBoxes messageScope_{messages_};
};

} // namespace kelvd::test
