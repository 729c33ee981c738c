// Driver files through the description path of the platform's own version functions (version.dll
// under Wine, which trusts what it reads): the damaged images, and every image the
// version-resource fuzzer starts from or has found. None may take the process down, and none
// that the library's reader refuses is described.
#include "doubles/pe_images.h"
#include "drivers/driver_description.h"
#include "platform/file_system.h"
#include "platform/pe_version_resource.h"
#include "support/temp_dir.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace platform;
using kelvd::GetDriverDescription;

bool Describe(const std::string& path, std::string* description) {
    return GetDriverDescription(path, false, description);
}

class DriverImage : public ::testing::TestWithParam<NamedImage> {
protected:
    kelvd::test::TempDir dir_;
};

TEST_P(DriverImage, DamagedOneHasNoDescription) {
    const std::string path = dir_.File(GetParam().name + ".sys");
    ASSERT_TRUE(
        WriteWholeFile(path, std::string(GetParam().bytes.begin(), GetParam().bytes.end())));
    std::string description = "(unset)";
    EXPECT_FALSE(Describe(path, &description));
    EXPECT_EQ("", description);
}

INSTANTIATE_TEST_SUITE_P(Damaged, DriverImage, ::testing::ValuesIn(DamagedVersionImages()),
                         [](const auto& info) { return info.param.name; });

// The fuzzer's seeds: the driver images of the build, those that make_seeds writes (the fuzz
// tree's), and its working corpus, when they are there.
TEST(DriverImages, EveryImageOfTheFuzzersCorpusIsDescribedOnlyWhenSound) {
    size_t images = 0, sound = 0, described = 0;
    for (const std::string& dir :
         {kelvd::test::TestSystemDirectory() + "\\DRIVERS",
          kelvd::test::LibraryPath(KELVD_PE_SEEDS), kelvd::test::LibraryPath(KELVD_PE_CORPUS)}) {
        for (const std::string& name : kelvd::test::TempDir::FileNames(dir)) {
            const std::string path = dir + "\\" + name;
            std::string bytes, description;
            std::vector<uint8_t> resource;
            ASSERT_TRUE(ReadWholeFile(path, OpenMode::ReadBinary, &bytes)) << path;
            const bool isSound = FindVersionResource(reinterpret_cast<const uint8_t*>(bytes.data()),
                                                     bytes.size(), &resource);
            const bool isDescribed = Describe(path, &description);
            EXPECT_TRUE(isSound || !isDescribed) << path;
            ++images;
            sound += isSound;
            described += isDescribed;
        }
    }
    std::printf("%zu images: %zu sound, %zu described\n", images, sound, described);
    EXPECT_GE(images, 4u);
}

} // namespace
