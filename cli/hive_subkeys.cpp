#include "cli/hive_subkeys.h"

#include "cli/hive.h"
#include "cli/unicode.h"

#include <algorithm>

namespace kelvcfg {

namespace {

template <typename Text> Text AsciiUpper(Text text) {
    for (auto& unit : text)
        if (unit >= 'a' && unit <= 'z')
            unit = static_cast<typename Text::value_type>(unit - ('a' - 'A'));
    return text;
}

} // namespace

hive_node_h HiveSubkeys::Find(hive_node_h key, const std::string& name) {
    const Subkeys& subkeys = Of(key);
    auto found = subkeys.byName.find(AsciiUpper(name));
    return found == subkeys.byName.end() ? 0 : found->second;
}

const HiveSubkeys::Subkeys& HiveSubkeys::Of(hive_node_h key) {
    auto found = keys_.find(key);
    if (found == keys_.end())
        found = keys_.emplace(key, Read(key)).first;
    return found->second;
}

HiveSubkeys::Subkeys HiveSubkeys::Read(hive_node_h key) const {
    Subkeys subkeys;
    std::vector<std::pair<std::u16string, std::u16string>> named; // upper case, as spelled
    HivexPtr<hive_node_h> children(hivex_node_children(handle_, key));
    size_t count = 0;
    while (children && children.get()[count])
        ++count;
    // Room for every name at once: a Services key has a thousand and more.
    subkeys.byName.reserve(count);
    subkeys.sorted.reserve(count);
    named.reserve(count);
    bool findable = true;
    for (size_t i = 0; i < count; ++i) {
        HivexPtr<char> name(hivex_node_name(handle_, children.get()[i]));
        findable = findable && name;
        if (findable)
            subkeys.byName.emplace(AsciiUpper(std::string(name.get())), children.get()[i]);
        const std::u16string units = Utf16FromUtf8(name ? name.get() : "");
        named.emplace_back(AsciiUpper(units), units);
    }
    subkeys.allNamed = children && findable;
    std::stable_sort(named.begin(), named.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [upper, units] : named)
        subkeys.sorted.push_back(std::move(units));
    return subkeys;
}

} // namespace kelvcfg
