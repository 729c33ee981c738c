// A TargetRegistry table over an offline SYSTEM hive: the embedded target's registry as the
// library reaches it in RunMode 3, so that the inventory and the stored key are that mode's.
// HKEY_LOCAL_MACHINE\SYSTEM is the hive's root; SYSTEM\ControlSet001, where the library keeps the
// checker on a target, and SYSTEM\CurrentControlSet are the hive's control set worked on; nothing
// else of HKEY_LOCAL_MACHINE is there. Names and string data are UTF-16, converted
// to and from the UTF-8 the hive library speaks. The table's functions reach the one HiveTarget
// in force, as the host's table has no context for them.
#pragma once

#include "cli/command_error.h"
#include "cli/hive.h"
#include "cli/hive_subkeys.h"
#include "cli/journal.h"
#include "target/target_registry.h"

#include <map>
#include <optional>
#include <set>
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
    // The library does not ask whether a target's writes succeed: a key or value the hive could
    // not take is kept here, the first of them, to be thrown once the library's store is done
    // (kUnreadable when the hive is damaged where it was to change, kUnwritable otherwise).
    void ThrowRefusal() const;

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
    // Makes the subkey name of key, whose path is path; 0 when the hive refuses it.
    hive_node_h AddChild(hive_node_h key, const std::string& name, const std::string& path);
    // Sets a value of the key through libhivex, unless its values cannot be replaced safely.
    bool SetValue(const Key& key, const hive_set_value& value);
    // Keeps the first change the hive refused, and why: damage where it was to be made, or not.
    void Refuse(const std::string& change, bool damaged, const std::string& why);
    void RefusedByHivex(const std::string& change, int error);

    static HiveTarget* current_;
    HiveTarget* previous_;
    Hive& hive_;
    Journal* journal_;
    HiveSubkeys subkeys_;
    TargetRegistry table_;
    std::map<KelvdTargetKey, Key> keys_;
    KelvdTargetKey nextKey_ = 0x1000;
    // Keys whose values are in cells libhivex made: keys it made, and keys whose values it wrote.
    std::set<hive_node_h> ownCells_;
    std::optional<CommandError> refusal_;
};

} // namespace kelvcfg
