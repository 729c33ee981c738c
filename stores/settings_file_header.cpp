#include "stores/settings_file_header.h"

#include "platform/little_endian.h"

namespace kelvd {

namespace {

using Header = SettingsFileHeader;

constexpr Header::Section Header::*kSections[] = {
    &Header::vxds,        &Header::userVxds,         &Header::drivers,
    &Header::userDrivers, &Header::vxdApiCategories, &Header::apiCategories};
constexpr uint32_t ScalarSettings::*kScalars[] = {
    &ScalarSettings::start,         &ScalarSettings::drPopup,  &ScalarSettings::memTrackingOn,
    &ScalarSettings::numGuardBytes, &ScalarSettings::memUsage, &ScalarSettings::stackThreshold};

static_assert(sizeof kSections / sizeof kSections[0] * 8 +
                  sizeof kScalars / sizeof kScalars[0] * 4 ==
              Header::kSize);

} // namespace

std::string SettingsFileHeader::Encode() const {
    std::string bytes;
    for (Section Header::*section : kSections) {
        platform::AppendUint32(bytes, (this->*section).offset);
        platform::AppendUint32(bytes, (this->*section).count);
    }
    for (uint32_t ScalarSettings::*scalar : kScalars)
        platform::AppendUint32(bytes, settings.*scalar);
    return bytes;
}

SettingsFileHeader SettingsFileHeader::Decode(const uint8_t* bytes) {
    SettingsFileHeader header;
    for (Section Header::*section : kSections) {
        (header.*section).offset = platform::LoadUint32(bytes);
        (header.*section).count = platform::LoadUint32(bytes + 4);
        bytes += 8;
    }
    for (uint32_t ScalarSettings::*scalar : kScalars) {
        header.settings.*scalar = platform::LoadUint32(bytes);
        bytes += 4;
    }
    return header;
}

} // namespace kelvd
