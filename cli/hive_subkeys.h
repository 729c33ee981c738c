// The subkeys of an offline hive's keys as the hive target uses them: listed in the order Windows
// enumerates them, and found by name. Each key's subkeys are read from the hive once, when first
// needed, and again after a subkey was added to it, so that the library's inventory, which opens
// every service it enumerates, reads the Services key's names once rather than once per service.
#pragma once

#include <hivex.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace kelvcfg {

class HiveSubkeys {
public:
    explicit HiveSubkeys(hive_h* handle) : handle_(handle) {}

    // The names of key's subkeys, in the order Windows keeps them in a hive: by their names in
    // upper case. A hive written by other tools need not be in that order.
    const std::vector<std::u16string>& Sorted(hive_node_h key) { return Of(key).sorted; }
    // The subkey of key named name, ignoring the case of ASCII letters, as hivex_node_get_child
    // finds it (the first in the hive's order; none past a name hivex cannot read); 0 when there
    // is none.
    hive_node_h Find(hive_node_h key, const std::string& name);
    // Whether every subkey of key has a name libhivex reads, which it needs of them all to add one.
    bool AllNamed(hive_node_h key) { return Of(key).allNamed; }
    // A subkey was added to key: its subkeys are read again when next needed.
    void Added(hive_node_h key) { keys_.erase(key); }

private:
    struct Subkeys {
        std::vector<std::u16string> sorted;
        std::unordered_map<std::string, hive_node_h> byName; // by the name in ASCII upper case
        bool allNamed = false;
    };
    const Subkeys& Of(hive_node_h key);
    Subkeys Read(hive_node_h key) const;

    hive_h* handle_;
    std::unordered_map<hive_node_h, Subkeys> keys_;
};

} // namespace kelvcfg
