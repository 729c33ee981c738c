#include "cli/settings_text.h"

#include "cli/command_error.h"
#include "cli/unicode.h"
#include "pages/advanced_settings_text.h"
#include "platform/multibyte.h"
#include "res/string_table.h"
#include "stores/checker_value_names.h"

#include <map>

namespace kelvcfg {

namespace {

// The guard-byte counts the memory tracking page offers, as its list shows them.
#define KELVD_GUARD_BYTES(text, size) text,
constexpr const char* kGuardByteChoices[] = {
#include "res/guard_bytes.def"
};
#undef KELVD_GUARD_BYTES

struct Word {
    const char* text;
    uint32_t value;
};

// A value from a fixed set of words; throws naming the words.
uint32_t OneOf(const std::string& name, const std::string& value, std::vector<Word> words) {
    std::string offered;
    for (const Word& word : words) {
        if (platform::MbsICmp(value.c_str(), word.text) == 0)
            return word.value;
        offered += (offered.empty() ? "" : ", ") + std::string(word.text);
    }
    throw CommandError(kRefused, name + " must be one of " + offered + ", not \"" + value + "\"");
}

std::vector<Word> GuardByteWords() {
    std::vector<Word> words;
    for (const char* text : kGuardByteChoices)
        words.push_back({text, static_cast<uint32_t>(std::stoul(text))});
    return words;
}

uint32_t ParseSetting(const std::string& name, const std::string& value) {
    if (name == "MemUsage")
        return kelvd::ParseMemUsage(value);
    if (name == "StackThreshold")
        return kelvd::ParseStackThreshold(value);
    if (name == "Start")
        return OneOf(name, value, {{"boot", 0}, {"disabled", 3}});
    if (name == "DRPopup")
        return OneOf(name, value, {{"0", 0}, {"1", 1}, {"2", 2}});
    if (name == "NumGuardBytes")
        return OneOf(name, value, GuardByteWords());
    return OneOf(name, value, {{"on", 1}, {"off", 0}});
}

const kelvd::ScalarValue* FindSetting(const std::string& name) {
    for (const kelvd::ScalarValue& setting : kelvd::kScalarValues)
        if (platform::MbsICmp(setting.name, name.c_str()) == 0)
            return &setting;
    return nullptr;
}

} // namespace

void AssignSettings(const std::vector<std::string>& assignments, kelvd::ScalarSettings* settings) {
    for (const std::string& assignment : assignments) {
        const size_t equals = assignment.find('=');
        const kelvd::ScalarValue* setting =
            equals == std::string::npos ? nullptr : FindSetting(assignment.substr(0, equals));
        if (!setting)
            throw CommandError(kUsage, "not a setting: \"" + assignment +
                                           "\" (Start, DRPopup, MemUsage, StackThreshold, "
                                           "NumGuardBytes or MemTrackingOn, then = and a value)");
        (*settings).*(setting->field) = ParseSetting(setting->name, assignment.substr(equals + 1));
    }
}

void ValidateSettings(const kelvd::ScalarSettings& settings) {
    const uint32_t failure =
        kelvd::FirstValidationFailure(settings.memUsage, settings.stackThreshold);
    if (failure == kelvd::kStrSmallEventBuffer)
        throw CommandError(kRefused, "MemUsage " + kelvd::FormatMemUsage(settings.memUsage) + ": " +
                                         ConsoleFromModel(kelvd::TableString(failure)));
    if (failure)
        throw CommandError(kRefused, "StackThreshold " +
                                         kelvd::FormatStackThreshold(settings.stackThreshold) +
                                         ": " + ConsoleFromModel(kelvd::TableString(failure)));
}

std::string SettingArgument(const std::string& name, uint32_t value) {
    if (name == "MemUsage")
        return kelvd::FormatMemUsage(value);
    if (name == "StackThreshold")
        return kelvd::FormatStackThreshold(value);
    if (name == "Start" && (value == 0 || value == 3))
        return value ? "disabled" : "boot";
    if (name == "MemTrackingOn" && value <= 1)
        return value ? "on" : "off";
    return std::to_string(value);
}

std::string SettingText(const std::string& name, uint32_t value) {
    if (name == "MemUsage")
        return kelvd::FormatMemUsage(value) + " KB";
    if (name == "StackThreshold")
        return kelvd::FormatStackThreshold(value);
    static const std::map<std::string, std::map<uint32_t, const char*>> kMeanings = {
        {"Start", {{0, "boot"}, {3, "disabled"}, {4, "disabled"}}},
        {"DRPopup", {{0, "never"}, {1, "errors"}, {2, "errors and warnings"}}},
        {"MemTrackingOn", {{0, "off"}, {1, "on"}}},
    };
    std::string text = std::to_string(value);
    auto setting = kMeanings.find(name);
    if (setting != kMeanings.end()) {
        auto meaning = setting->second.find(value);
        if (meaning != setting->second.end())
            text += std::string(" (") + meaning->second + ")";
    }
    return text;
}

} // namespace kelvcfg
