#include "platform/resource_languages.h"

namespace platform {

namespace {

constexpr uint16_t kNeutral = 0x0000;
constexpr uint16_t kPrimaryMask = 0x03FF;
constexpr uint16_t kDefaultSublanguage = 0x0400;

// A language, its primary language alone (SUBLANG_NEUTRAL) and with SUBLANG_DEFAULT.
void PushWithPrimary(std::vector<uint16_t>& order, uint16_t language) {
    const uint16_t primary = language & kPrimaryMask;
    order.insert(order.end(), {language, primary, uint16_t(primary | kDefaultSublanguage)});
}

} // namespace

std::vector<uint16_t> ResourceLanguageOrder(const LoaderLanguages& languages) {
    std::vector<uint16_t> order{kNeutral, languages.thread};
    PushWithPrimary(order, languages.user);
    PushWithPrimary(order, languages.system);
    order.push_back(kUsEnglish);
    return order;
}

} // namespace platform
