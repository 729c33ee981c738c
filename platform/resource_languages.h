// The languages in which the system's loader looks for a resource asked for in no particular
// language, as GetFileVersionInfoA asks for the version resource.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

constexpr uint16_t kUsEnglish = 0x0409;

// The languages of the user's system that the loader consults (language ids, LANGID).
struct LoaderLanguages {
    uint16_t thread = kUsEnglish; // the thread locale's language
    uint16_t user = kUsEnglish;   // GetUserDefaultLangID
    uint16_t system = kUsEnglish; // GetSystemDefaultLangID
};

// The order in which the loader tries languages: neutral, the thread's language, the user's
// language then its primary language alone and with its default sublanguage, the same three of
// the system's, and US English. When the directory holds none of them the loader takes its first
// entry.
std::vector<uint16_t> ResourceLanguageOrder(const LoaderLanguages& languages);

} // namespace platform
