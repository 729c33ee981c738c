// The world of kelvcfg's hive tests: a SYSTEM hive file made by the test (an empty hive given a
// current control set and driver services through the hive-backed table), an in-memory target
// holding the same services, the API catalogue and a hook-state file, and the library's own
// RunMode 3 store on that target, which tells what kelvcfg must write into the hive.
#pragma once

#include "cli/program.h"
#include "doubles/memory_target.h"
#include "model/scalar_settings.h"
#include "support/store_fixture.h"

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace kelvcfg::test {

// A value: its name, type and data.
using Value = std::tuple<std::string, uint32_t, std::string>;

class OfflineHive : public kelvd::test::StoreFixture {
protected:
    void SetUp() override;

    // A path of the test's directory as Linux spells it.
    std::string Native(const std::string& name) const;
    std::string HivePath() const { return Native("SYSTEM"); }

    // kelvcfg with these arguments (--catalogue and --hook-state added when suite), in this
    // process; out_ and err_ get what it prints.
    int Kelvcfg(std::vector<std::string> args, bool suite = true);

    // The checker's key in the hive file as libhivex reads it, sorted by name.
    std::vector<Value> HiveValues() const;
    // The same of the in-memory target's key.
    std::vector<Value> TargetValues();

    // What the library's RunMode 3 stores on the in-memory target when edit has changed the model
    // and the settings it loaded there (selection: loaded and stored as SelectAll does), with the
    // catalogue and hook-state file of the test directory's "reference", copies of kelvcfg's.
    void StoreReference(const std::function<void(kelvd::ScalarSettings&)>& edit,
                        bool selection = false);

    // The bytes of a file.
    std::string Bytes(const std::string& path) const;

    std::string out_, err_;

private:
    kelvd::MemoryTarget target_;
};

} // namespace kelvcfg::test
