// Driver rows found by the file name of their path, as the stores give a stored list's states to
// the rows.
#include "stores/file_name_rows.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace kelvd;

DriverEntry Row(const char* path, uint32_t state = 0) {
    DriverEntry row;
    row.path = path;
    row.checkState = state;
    return row;
}

std::vector<uint32_t> States(const DriverTable<256>& table) {
    std::vector<uint32_t> states;
    for (const DriverEntry& row : table)
        states.push_back(row.checkState);
    return states;
}

TEST(FileNameRows, EveryRowOfTheFileNameIgnoringCaseAndDirectory) {
    auto table = std::make_unique<DriverTable<256>>();
    for (const char* path : {"foo.sys", "C:\\WINNT\\System32\\drivers\\Foo.sys", "bar.sys",
                             "\\??\\D:\\x\\FOO.SYS", "foo.sys.old"})
        table->Append(Row(path));
    FileNameRows<256> rows(*table);
    EXPECT_TRUE(rows.ApplyStateByFileName("D:\\elsewhere\\FOO.SYS", 1));
    EXPECT_EQ((std::vector<uint32_t>{1, 1, 0, 1, 0}), States(*table));
    EXPECT_TRUE(rows.ApplyStateByFileName("BAR.SYS", 2));
    EXPECT_EQ((std::vector<uint32_t>{1, 1, 2, 1, 0}), States(*table));
}

TEST(FileNameRows, NoMatchOrAnEmptyTableChangesNothing) {
    auto table = std::make_unique<DriverTable<256>>();
    table->Append(Row("foo.sys", 1));
    FileNameRows<256> rows(*table);
    EXPECT_FALSE(rows.ApplyStateByFileName("foo.sy", 0));
    EXPECT_FALSE(rows.ApplyStateByFileName("dir\\", 0));
    EXPECT_EQ((std::vector<uint32_t>{1}), States(*table));
    table->Clear();
    FileNameRows<256> none(*table);
    EXPECT_FALSE(none.ApplyStateByFileName("foo.sys", 2));
}

} // namespace
