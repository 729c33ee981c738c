// An embedded target whose registry lives in memory: a TargetRegistry table for tests and for the
// demonstration host. Its functions reach the one MemoryTarget that is current (the table's
// functions other than OpenKey receive no context), so one target is in use at a time.
#pragma once

#include "include/kelvdcfg.h"
#include "platform/substitute/memory_registry.h"

namespace kelvd {

class MemoryTarget {
public:
    MemoryTarget();  // becomes the current target
    ~MemoryTarget(); // the previous one is current again
    MemoryTarget(const MemoryTarget&) = delete;
    MemoryTarget& operator=(const MemoryTarget&) = delete;

    // The table to hand to the library.
    TargetRegistry* table() { return &table_; }
    // The target's registry, to fill and inspect with narrow names.
    platform::MemoryRegistry& registry() { return registry_; }

private:
    static MemoryTarget* current_;
    MemoryTarget* previous_;
    platform::MemoryRegistry registry_;
    TargetRegistry table_;

    struct Calls;
};

} // namespace kelvd
