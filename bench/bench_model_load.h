// The model load and SelectAll at full capacity, each beside its floor:
//   LoadModel: the load as the settings sheet does it (the inventory with every driver image's
//   version resource, the catalogue, the stored configuration, the hook-state file), beside
//   reading the same files' bytes: every driver image whole, the catalogue and the hook-state
//   file line by line.
//   SelectAll: the exported call (the model load without the stored configuration and the hook
//   state, every row and event marked, the registry store written), beside reading the files its
//   load reads and writing the values it stores into the checker's key.
// SelectAll rewrites the stored configuration, so these run after every other benchmark.
#pragma once

#include "bench_configuration.h"

namespace kelvd::bench {

void RegisterModelLoad(const BenchConfiguration& config);

} // namespace kelvd::bench
