// The version strings of the test drivers and of images made byte by byte: the library's reader
// agrees with version.dll (Wine) wherever Wine reads the image's format.
#include "doubles/legacy_images.h"
#include "platform/file_system.h"
#include "platform/system_info.h"
#include "platform/version_info.h"
#include "support/temp_dir.h"
#include "support/test_drivers.h"

#ifdef _WIN32
#include "platform/win32/windows_support.h"
#endif

#include <gtest/gtest.h>

namespace {

using namespace platform;

struct Lookup {
    const char *image, *subBlock, *value;
};

std::string LibraryValue(const std::string& path, const char* subBlock) {
    std::vector<uint8_t> resource{1};
    std::string value;
    const bool read = ReadVersionResource(path.c_str(), &resource);
    EXPECT_EQ(read, !resource.empty());
    return read && QueryVersionValue(resource, subBlock, &value) ? value : "(none)";
}

#ifdef _WIN32
// GetFileVersionInfoSizeA, GetFileVersionInfoA and VerQueryValueA on a sound image.
std::string SystemValue(const std::string& path, const char* subBlock) {
    DWORD handle = 0;
    std::vector<uint8_t> block(::GetFileVersionInfoSizeA(path.c_str(), &handle));
    void* text = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
        !::VerQueryValueA(block.data(), subBlock, &text, &length) || !text)
        return "(none)";
    return static_cast<const char*>(text);
}
#endif

struct VersionInfoContract : ::testing::TestWithParam<Lookup> {};

TEST_P(VersionInfoContract, StringsAreFoundInTheirOwnTableOnly) {
    const std::string path = kelvd::test::TestDriver(GetParam().image);
    EXPECT_EQ(GetParam().value, LibraryValue(path, GetParam().subBlock));
#ifdef _WIN32
    EXPECT_EQ(GetParam().value, SystemValue(path, GetParam().subBlock));
#endif
}

constexpr const char* kDescription = "\\StringFileInfo\\040904B0\\FileDescription";

// DESCRIBED.SYS is PE32+ with strings in 040904B0, FOREIGN.SYS PE32 with German ones only,
// PRODUCT.SYS has an e acute in the ANSI code page, PLAIN.SYS no version resource.
INSTANTIATE_TEST_SUITE_P(
    Images, VersionInfoContract,
    ::testing::Values(
        Lookup{"DESCRIBED.SYS", kDescription, "Described test driver with a long description"},
        Lookup{"DESCRIBED.SYS", "\\stringfileinfo\\040904b0\\PRODUCTNAME", "Described product"},
        Lookup{"DESCRIBED.SYS", "\\StringFileInfo\\040904B0\\Comments", "(none)"},
        Lookup{"DESCRIBED.SYS", "\\StringFileInfo\\040904E4\\FileDescription", "(none)"},
        Lookup{"FOREIGN.SYS", kDescription, "(none)"},
        Lookup{"FOREIGN.SYS", "\\StringFileInfo\\040704B0\\FileDescription", "Fremder Testtreiber"},
        Lookup{"PRODUCT.SYS", "\\StringFileInfo\\040904B0\\ProductName", "Produit d\351crit"},
        Lookup{"PLAIN.SYS", kDescription, "(none)"},
        Lookup{"MISSING.SYS", kDescription, "(none)"}));

// The thread's language for a while, as SetThreadLocale sets it; the user's and the system's
// stay the machine's (US English in the tests' Wine prefix and in the substitute).
class ThreadLanguage {
public:
#ifdef _WIN32
    explicit ThreadLanguage(uint16_t language) : saved_(::GetThreadLocale()) {
        ::SetThreadLocale(MAKELCID(language, SORT_DEFAULT));
    }
    ~ThreadLanguage() {
        ::SetThreadLocale(saved_);
    }

private:
    LCID saved_;
#else
    explicit ThreadLanguage(uint16_t language) : system_(Facts(language)), scope_(system_) {}

private:
    static SystemFacts Facts(uint16_t language) {
        SystemFacts facts;
        facts.threadLangId = language;
        return facts;
    }
    FixedSystemInfo system_;
    ScopedSystemInfo scope_;
#endif
};

struct MadeImage {
    const char* name;
    ImageBytes bytes;
    uint16_t thread;
    const char* value; // the FileDescription of 040904B0
    bool systemReads;  // whether Wine's version.dll reads the format
};

struct MadeImageContract : ::testing::TestWithParam<MadeImage> {};

TEST_P(MadeImageContract, DescriptionIsTheOneVersionDllGives) {
    kelvd::test::TempDir dir;
    const std::string path = dir.File(GetParam().name);
    const ImageBytes& image = GetParam().bytes;
    ASSERT_TRUE(WriteWholeFile(path, std::string(image.begin(), image.end())));
    ThreadLanguage thread(GetParam().thread);
    EXPECT_EQ(GetParam().value, LibraryValue(path, kDescription));
#ifdef _WIN32
    if (GetParam().systemReads) {
        EXPECT_EQ(GetParam().value, SystemValue(path, kDescription));
    }
#endif
}

const ImageBytes kSixteenBit =
    VersionBlock16({VersionText16("FileDescription", "Sixteen-bit driver d\351crit")});

// Several languages under the thread's language, US English and another; a 16-bit tree in an NE
// driver and in a VxD (which Wine's version.dll does not read); a 32-bit tree in an NE driver.
INSTANTIATE_TEST_SUITE_P(
    Images, MadeImageContract,
    ::testing::Values(
        MadeImage{"LANGS.SYS", LanguagesImage({0x0407, 0x0409}), 0x0409, "lang 0409", true},
        MadeImage{"LANGS.SYS", LanguagesImage({0x0407, 0x0409}), 0x0407, "lang 0407", true},
        MadeImage{"LANGS.SYS", LanguagesImage({0x0007, 0x0409}), 0x0407, "lang 0409", true},
        MadeImage{"LANGS.SYS", LanguagesImage({0x0001, 0x0009}), 0x0409, "lang 0009", true},
        MadeImage{"LANGS.SYS", LanguagesImage({0x0001, 0x0809}), 0x0409, "lang 0001", true},
        MadeImage{"LANGS.SYS", LanguagesImage({0x0000, 0x0407}), 0x0407, "lang 0000", true},
        MadeImage{"OLD.DRV", NeVersionImage(kSixteenBit), 0x0409, "Sixteen-bit driver d\351crit",
                  true},
        MadeImage{"WIDE.DRV",
                  NeVersionImage(VersionBlock({VersionText(u"FileDescription", u"Wide")})), 0x0409,
                  "Wide", true},
        MadeImage{"OLD.VXD", VxdVersionImage(kSixteenBit), 0x0409, "Sixteen-bit driver d\351crit",
                  false}));

} // namespace
