// The naming rules of the inventory: the exclusion lists and the image-path forms.
#include "drivers/excluded_drivers.h"
#include "drivers/image_path.h"
#include "model/config_model.h"
#include "platform/system_info.h"
#include "support/model_reset.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

struct Exclusion {
    const char* name;
    bool onNt;
    bool onWin9x;
};

class ExcludedDriver : public test::ModelFixture,
                       public ::testing::WithParamInterface<Exclusion> {};

TEST_P(ExcludedDriver, FollowsTheListOfThePlatform) {
    EXPECT_EQ(GetParam().onNt, IsExcludedDriver(GetParam().name));
    configModel().isWin9x = true;
    EXPECT_EQ(GetParam().onWin9x, IsExcludedDriver(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExcludedDriver,
    ::testing::Values(Exclusion{"KELVD.SYS", true, false}, Exclusion{"kelvd.sys", true, false},
                      Exclusion{"NtDrov.Sys", true, false}, Exclusion{"Q7.SYS", true, false},
                      Exclusion{"DRWVIDSTART.SYS", true, false},
                      Exclusion{"KELVD.SYS.OLD", false, false}, Exclusion{"Q7TP", false, false},
                      Exclusion{"VMM     ", false, true}, Exclusion{"kelvd   ", false, true},
                      Exclusion{"DRWDEBUG", false, true}, Exclusion{"vmm", false, false},
                      Exclusion{"VCOMM   ", false, false}, Exclusion{"", false, false}));

using ImagePath = std::pair<const char*, const char*>; // an image path and its normal form

class NormalizedImagePath : public ::testing::TestWithParam<ImagePath> {
protected:
    platform::FixedSystemInfo system_; // C:\WINNT\system32
    platform::ScopedSystemInfo scoped_{system_};
};

TEST_P(NormalizedImagePath, IsThePathFilesOpenBy) {
    EXPECT_EQ(GetParam().second, NormalizeImagePath(GetParam().first));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NormalizedImagePath,
    ::testing::Values(ImagePath{"\\SystemRoot\\System32\\DRIVERS\\atapi.sys",
                                "C:\\WINNT\\system32\\DRIVERS\\atapi.sys"},
                      ImagePath{"\\systemroot\\SYSTEM32\\x.sys", "C:\\WINNT\\system32\\x.sys"},
                      ImagePath{"system32\\drivers\\cdrom.sys",
                                "C:\\WINNT\\system32\\drivers\\cdrom.sys"},
                      ImagePath{"\\??\\C:\\Tools\\probe.sys", "C:\\Tools\\probe.sys"},
                      ImagePath{"\\??\\", ""},
                      ImagePath{"\\??x\\C:\\probe.sys", "\\??x\\C:\\probe.sys"},
                      ImagePath{"\\SystemRoot\\probe.sys", "\\SystemRoot\\probe.sys"},
                      ImagePath{"\\SystemRoot\\System32", "\\SystemRoot\\System32"},
                      ImagePath{"C:\\probe.sys", "C:\\probe.sys"}, ImagePath{"", ""}));

} // namespace
