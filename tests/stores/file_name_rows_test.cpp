// Driver rows found by the file name of their path, as the stores give a stored list's states to
// the rows.
#include "stores/file_name_rows.h"

#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace kelvd;

using FileNameRowsTest = test::StoreFixture;

TEST_F(FileNameRowsTest, EveryRowOfTheFileNameIgnoringCaseAndDirectoryAndNoOther) {
    auto table = std::make_unique<DriverTable<256>>();
    for (const char* path : {"foo.sys", "C:\\WINNT\\System32\\drivers\\Foo.sys", "bar.sys",
                             "\\??\\D:\\x\\FOO.SYS", "foo.sys.old"})
        AddRow(*table, path, 0);
    FileNameRows<256> rows(*table);
    EXPECT_TRUE(rows.ApplyStateByFileName("D:\\elsewhere\\FOO.SYS", 1));
    EXPECT_EQ((std::vector<uint32_t>{1, 1, 0, 1, 0}), test::States(*table));
    EXPECT_TRUE(rows.ApplyStateByFileName("BAR.SYS", 2));
    EXPECT_FALSE(rows.ApplyStateByFileName("foo.sy", 0));
    EXPECT_FALSE(rows.ApplyStateByFileName("dir\\", 0));
    EXPECT_EQ((std::vector<uint32_t>{1, 1, 2, 1, 0}), test::States(*table));
    table->Clear();
    FileNameRows<256> none(*table);
    EXPECT_FALSE(none.ApplyStateByFileName("foo.sys", 2));
}

} // namespace
