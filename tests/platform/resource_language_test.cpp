// The language of the version resource taken from an image that has several: the first of the
// loader's languages that the image holds, else its first.
#include "doubles/pe_images.h"
#include "platform/image_version_resource.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

struct Choice {
    std::vector<uint16_t> languages; // of the image, in its directory's order
    LoaderLanguages loader;          // the thread's, the user's, the system's
    const char* taken;
};

struct ResourceLanguage : ::testing::TestWithParam<Choice> {};

TEST_P(ResourceLanguage, TheFirstOfTheLoadersLanguagesThatTheImageHoldsIsTaken) {
    const ImageBytes image = LanguagesImage(GetParam().languages);
    std::vector<uint8_t> resource;
    std::string value;
    ASSERT_TRUE(FindVersionResource(image.data(), image.size(), &resource, GetParam().loader));
    ASSERT_TRUE(FindVersionString(resource.data(), resource.size(),
                                  "\\StringFileInfo\\040904B0\\FileDescription", &value));
    EXPECT_EQ(GetParam().taken, value);
}

constexpr LoaderLanguages kUs{};
constexpr LoaderLanguages kGermanThread{0x0407, 0x0409, 0x0409};
constexpr LoaderLanguages kAustrian{0x0C07, 0x0C07, 0x0409};

INSTANTIATE_TEST_SUITE_P(
    Orders, ResourceLanguage,
    ::testing::Values(
        Choice{{0x0000, 0x0409}, kUs, "lang 0000"}, // neutral before all
        Choice{{0x0407, 0x0409}, kUs, "lang 0409"}, Choice{{0x0001, 0x0009}, kUs, "lang 0009"},
        // Neither neutral with a sublanguage, nor another English, nor the invariant language.
        Choice{{0x0001, 0x007F, 0x0400, 0x0800, 0x0809}, kUs, "lang 0001"},
        Choice{{0x0407, 0x040C}, kUs, "lang 0407"},
        Choice{{0x0001, 0x0407, 0x0409}, kGermanThread, "lang 0407"},
        Choice{{0x0001, 0x0007, 0x0409}, kGermanThread, "lang 0409"}, // not the thread's primary
        Choice{{0x0001, 0x0407, 0x0409}, {0x0409, 0x0407, 0x0409}, "lang 0409"}, // thread, user
        Choice{{0x0001, 0x0007, 0x0407}, kAustrian, "lang 0007"},
        Choice{{0x0001, 0x0407, 0x0409}, kAustrian, "lang 0407"},
        Choice{{0x0001, 0x040C, 0x0410}, {0x0409, 0x0407, 0x0410}, "lang 0410"}, // the system's
        Choice{{0x0001, 0x000C}, {0x0409, 0x0407, 0x0C0C}, "lang 000C"},
        Choice{{0x0001, 0x0409}, {0x0407, 0x0407, 0x0407}, "lang 0409"})); // US English last

} // namespace
