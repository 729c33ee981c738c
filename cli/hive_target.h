// A TargetRegistry table over an offline SYSTEM hive: the embedded target's registry as the
// library reaches it in RunMode 3, so that the inventory and the stored key are that mode's.
// HKEY_LOCAL_MACHINE\SYSTEM is the hive's root; SYSTEM\ControlSet001, where the library keeps the
// checker on a target, and SYSTEM\CurrentControlSet are the hive's control set worked on; nothing
// else of HKEY_LOCAL_MACHINE is there. Names and string data are UTF-16, converted
// to and from the UTF-8 the hive library speaks. The table's functions reach the one HiveTarget
// in force, as the host's table has no context for them.
#pragma once

#include "cli/hive.h"
#include "cli/hive_subkeys.h"
#include "cli/journal.h"
#include "target/target_registry.h"

#include <map>
#include <string>
#include <vector>

namespace kelvcfg {

class HiveTarget {
public:
    // Values set are entered in journal, when there is one, as well as in the hive.
    HiveTarget(Hive& hive, Journal* journal);
    ~HiveTarget(); // the previous one is in force again
    HiveTarget(const HiveTarget&) = delete;
    HiveTarget& operator=(const HiveTarget&) = delete;

    const TargetRegistry* table() const { return &table_; }
    // Keys open now.
    size_t OpenKeyCount() const { return keys_.size(); }

private:
    struct Key {
        hive_node_h node;
        std::string path; // below HKEY_LOCAL_MACHINE, as the library named it
    };
    struct Calls;

    // The node a path names below parent, creating missing keys when create; 0 when there is
    // none. *path becomes the key's path below HKEY_LOCAL_MACHINE.
    hive_node_h Walk(KelvdTargetKey parent, const std::string& subKey, bool create,
                     std::string* path);
    int32_t Issue(hive_node_h node, std::string path, KelvdTargetKey* key);
    Key* Find(KelvdTargetKey key);

    static HiveTarget* current_;
    HiveTarget* previous_;
    Hive& hive_;
    Journal* journal_;
    HiveSubkeys subkeys_;
    TargetRegistry table_;
    std::map<KelvdTargetKey, Key> keys_;
    KelvdTargetKey nextKey_ = 0x1000;
};

} // namespace kelvcfg
