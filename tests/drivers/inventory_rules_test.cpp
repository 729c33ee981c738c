// The naming rules of the inventory: the exclusion lists and the image-path forms.
#include "drivers/excluded_drivers.h"
#include "drivers/image_path.h"
#include "platform/system_info.h"
#include "support/model_reset.h"

namespace {

using namespace kelvd;

using ExcludedDriver = test::ModelFixture;

// Of all the names, each platform excludes exactly those of its own list.
TEST_F(ExcludedDriver, FollowsTheListOfThePlatform) {
    const std::vector<std::string> nt = {"KELVD.SYS", "kelvd.sys", "NtDrov.Sys", "Q7.SYS",
                                         "DRWVIDSTART.SYS"};
    const std::vector<std::string> win9x = {"VMM     ", "kelvd   ", "DRWDEBUG"};
    std::vector<std::string> names = {"KELVD.SYS.OLD", "Q7TP", "vmm", "VCOMM   ", ""};
    names.insert(names.end(), nt.begin(), nt.end());
    names.insert(names.end(), win9x.begin(), win9x.end());
    for (bool isWin9x : {false, true}) {
        configModel().isWin9x = isWin9x;
        std::vector<std::string> excluded;
        for (const std::string& name : names)
            if (IsExcludedDriver(name.c_str()))
                excluded.push_back(name);
        EXPECT_EQ(isWin9x ? win9x : nt, excluded);
    }
}

TEST(NormalizedImagePath, IsThePathFilesOpenBy) {
    platform::FixedSystemInfo system; // C:\WINNT\system32
    platform::ScopedSystemInfo scoped(system);
    const std::pair<const char*, const char*> forms[] = {
        {"\\SystemRoot\\System32\\DRIVERS\\atapi.sys", "C:\\WINNT\\system32\\DRIVERS\\atapi.sys"},
        {"\\systemroot\\SYSTEM32\\x.sys", "C:\\WINNT\\system32\\x.sys"},
        {"system32\\drivers\\cdrom.sys", "C:\\WINNT\\system32\\drivers\\cdrom.sys"},
        {"\\??\\C:\\Tools\\probe.sys", "C:\\Tools\\probe.sys"},
        {"\\??\\", ""},
        {"\\??x\\C:\\probe.sys", "\\??x\\C:\\probe.sys"},
        {"\\SystemRoot\\probe.sys", "\\SystemRoot\\probe.sys"},
        {"\\SystemRoot\\System32", "\\SystemRoot\\System32"},
        {"C:\\probe.sys", "C:\\probe.sys"},
        {"", ""}};
    for (auto [path, normal] : forms)
        EXPECT_EQ(normal, NormalizeImagePath(path)) << path;
}

} // namespace
